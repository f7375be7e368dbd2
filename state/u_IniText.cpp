// SPDX-License-Identifier: MIT
#include "state/u_IniText.h"

namespace {

bool IsBreak(char c)
{
    return c == '\n' || c == '\r';
}

// What the reader passes over before a line: blanks and line ends, but not other control
// characters, which a key's name may start with.
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || IsBreak(c);
}

// A section or key name as the reader decodes it: UTF-8, with a backslash for '/', and "%XX"
// or "%UXXXX" (hexadecimal) for that character; a '%' that starts neither stands for itself.
QString DecodedName(QByteArrayView Raw)
{
    const QString Text = QString::fromUtf8(Raw);
    QString Name;
    Name.reserve(Text.size());
    qsizetype i = 0;
    while (i < Text.size()) {
        const QChar c = Text[i];
        if (c == u'\\') {
            Name += u'/';
            ++i;
            continue;
        }
        if (c == u'%' && i + 1 < Text.size()) {
            const bool Wide = Text[i + 1] == u'U';
            const qsizetype First = i + (Wide ? 2 : 1);
            const qsizetype Digits = Wide ? 4 : 2;
            bool Ok = false;
            const ushort Code = First + Digits <= Text.size() ? QStringView(Text).sliced(First, Digits).toUShort(&Ok, 16) : 0;
            if (Ok) {
                Name += QChar(Code);
                i = First + Digits;
                continue;
            }
        }
        Name += c;
        ++i;
    }
    return Name;
}

// What the keys of a section begin with, from the text between its brackets.
QString SectionName(QByteArrayView Raw)
{
    const QByteArrayView Name = Raw.trimmed();
    // [General] holds the keys outside any section; "%General" is the way to name a real one.
    if (Name.compare("general", Qt::CaseInsensitive) == 0)
        return {};
    if (Name.compare("%general", Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(Name.sliced(1)) + u'/';
    return DecodedName(Name) + u'/';
}

// Past the line end at or after From, a "\r\n" taken whole; the end of the text without one.
qsizetype PastLineEnd(QByteArrayView Text, qsizetype From)
{
    qsizetype i = From;
    while (i < Text.size() && !IsBreak(Text[i]))
        ++i;
    if (i < Text.size())
        i += Text[i] == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n' ? 2 : 1;
    return i;
}

} // namespace

QString IniComparedName(QString Name)
{
#ifdef Q_OS_WIN
    return Name.toLower();
#else
    return Name;
#endif
}

std::vector<TIniLine> IniLines(QByteArrayView Text)
{
    std::vector<TIniLine> Lines;
    const qsizetype Size = Text.size();
    qsizetype Pos = Text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    QString Section; // the current section's name, empty before the first header
    for (;;) {
        qsizetype Start = Pos;
        while (Start < Size && IsBlank(Text[Start]))
            ++Start;
        if (Start == Size)
            break;
        // A line ends at a line end or a ';' outside quotes. A backslash takes the character
        // after it (a line end as a pair), so that it neither ends the line nor opens a quote.
        qsizetype Equals = -1;
        bool Quoted = false;
        bool Escaping = false; // the text ends where a backslash would take its next character
        qsizetype i = Start;
        while (i < Size) {
            const char c = Text[i++];
            if (c == '=') {
                if (!Quoted && Equals < 0)
                    Equals = i - 1;
            } else if (IsBreak(c)) {
                if (i == Start + 1) {
                    ++Start;
                } else if (!Quoted) {
                    --i;
                    break;
                }
            } else if (c == '\\') {
                Escaping = i == Size;
                if (i < Size) {
                    const char Taken = Text[i++];
                    if (i < Size && ((Taken == '\n' && Text[i] == '\r') || (Taken == '\r' && Text[i] == '\n')))
                        ++i;
                    // A '\n' added after it would make the pair.
                    Escaping = i == Size && Taken == '\r';
                }
            } else if (c == '"') {
                Quoted = !Quoted;
            } else if (c == ';') {
                if (i == Start + 1) {
                    // A comment line: the next line starts after it.
                    while (i < Size && !IsBreak(Text[i]))
                        ++i;
                    while (i < Size && IsBlank(Text[i]))
                        ++i;
                    Start = i;
                } else if (!Quoted) {
                    --i;
                    break;
                }
            }
        }
        Pos = i;
        if (Start == i)
            break;
        TIniLine Line;
        Line.Start = Start;
        Line.End = i;
        Line.Next = i < Size ? PastLineEnd(Text, i) : Size;
        const QByteArrayView Body = Text.sliced(Start, i - Start);
        if (Body.startsWith('[')) {
            const qsizetype Close = Body.indexOf(']');
            Section = IniComparedName(SectionName(Body.sliced(1, (Close < 0 ? Body.size() : Close) - 1)));
            Line.Kind = IniLineKind::Section;
            Line.Name = Section;
        } else if (Equals >= 0) {
            Line.Kind = IniLineKind::Key;
            Line.Value = Equals + 1;
            Line.Name = IniComparedName(Section + DecodedName(Text.sliced(Start, Equals - Start).trimmed()));
        }
        if (i == Size)
            Line.Closer = QByteArray(Escaping ? "\n" : "") + (Quoted ? "\"" : "") + '\n';
        else if (Line.Next == Size && !IsBreak(Text[Size - 1]))
            Line.Closer = "\n"; // after a comment
        Lines.push_back(std::move(Line));
    }
    return Lines;
}
