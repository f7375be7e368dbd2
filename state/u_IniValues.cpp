// SPDX-License-Identifier: MIT
#include "state/u_IniValues.h"

#include "state/u_IniText.h"

#include <QDataStream>
#include <QIODevice>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringDecoder>
#include <QStringList>

#include <map>
#include <vector>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// What a backslash and c stand for; 0 where c starts no one-character escape.
char16_t SimpleEscape(char c)
{
    switch (c) {
    case 'a': return u'\a';
    case 'b': return u'\b';
    case 'f': return u'\f';
    case 'n': return u'\n';
    case 'r': return u'\r';
    case 't': return u'\t';
    case 'v': return u'\v';
    case '"': return u'"';
    case '?': return u'?';
    case '\'': return u'\'';
    case '\\': return u'\\';
    default: return 0;
    }
}

int DigitOf(char c, int Base)
{
    int Digit = -1;
    if (c >= '0' && c <= '9')
        Digit = c - '0';
    else if (c >= 'a' && c <= 'f')
        Digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        Digit = c - 'A' + 10;
    return Digit < Base ? Digit : -1;
}

// A value's text with its quotes and escapes resolved; a list where commas stand outside quotes.
struct TUnescaped {
    QString Text;
    QStringList List;
    bool IsList = false;
};

TUnescaped Unescaped(QByteArrayView Raw)
{
    TUnescaped Out;
    QString& Text = Out.Text;
    // One decoder for the whole value: a character's bytes on both sides of an escape make it.
    QStringDecoder Utf8(QStringDecoder::Utf8);
    const qsizetype Size = Raw.size();
    bool Quoted = false;     // inside quotes
    bool ItemQuoted = false; // the current item had quotes: its trailing blanks stay
    qsizetype Keep = 0;      // trailing blanks are dropped back to here, not past an escape or quotes
    qsizetype i = 0;
    auto SkipBlanks = [&] {
        while (i < Size && IsBlank(Raw[i]))
            ++i;
    };
    auto Finish = [&] {
        if (Out.IsList)
            Out.List.append(Text);
        return Out;
    };
    auto ChopBlanks = [&] {
        while (Text.size() > Keep && (Text.back() == u' ' || Text.back() == u'\t'))
            Text.chop(1);
    };
    SkipBlanks();
    while (i < Size) {
        const char c = Raw[i];
        if (c == '\\') {
            // The text ends in an escape: what stands so far stays, trailing blanks too.
            if (++i == Size)
                return Finish();
            const char Escape = Raw[i++];
            if (const char16_t Simple = SimpleEscape(Escape)) {
                Text += QChar(Simple);
            } else if ((Escape == 'x' || (Escape >= '0' && Escape <= '7'))) {
                // A number of any length, kept to 16 bits: "\x" with hex digits, or octal digits.
                const int Base = Escape == 'x' ? 16 : 8;
                char16_t Code = Base == 8 ? char16_t(Escape - '0') : 0;
                if (Base == 16 && i == Size)
                    return Finish();
                if (Base == 8 || DigitOf(Raw[i], 16) >= 0) {
                    for (int Digit; i < Size && (Digit = DigitOf(Raw[i], Base)) >= 0; ++i)
                        Code = char16_t(Code * Base + Digit);
                    Text += QChar(Code);
                    if (i == Size)
                        return Finish();
                }
            } else if (Escape == '\n' || Escape == '\r') {
                // An escaped line end joins the lines; "\r\n" and "\n\r" count as one.
                if (i < Size && (Raw[i] == '\n' || Raw[i] == '\r') && Raw[i] != Escape)
                    ++i;
            }
            // Any other escaped character is dropped.
            Keep = Text.size();
        } else if (c == '"') {
            ++i;
            ItemQuoted = true;
            Quoted = !Quoted;
            if (!Quoted) {
                SkipBlanks();
                Keep = Text.size();
            }
        } else if (c == ',' && !Quoted) {
            if (!ItemQuoted)
                ChopBlanks();
            Out.IsList = true;
            Out.List.append(Text);
            Text.clear();
            ItemQuoted = false;
            ++i;
            SkipBlanks();
            Keep = 0;
        } else {
            qsizetype End = i + 1;
            while (End < Size && Raw[End] != '\\' && Raw[End] != '"' && Raw[End] != ',')
                ++End;
            Text += Utf8(Raw.sliced(i, End - i));
            i = End;
        }
    }
    if (!ItemQuoted)
        ChopBlanks();
    return Finish();
}

// The items between the parentheses of "@Type(a b ...)", split at blanks.
QStringList Arguments(QStringView Text, qsizetype Open)
{
    QStringList Items;
    QString Item;
    for (qsizetype i = Open + 1; i < Text.size(); ++i) {
        const QChar c = Text[i];
        if (c == u')') {
            Items.append(Item);
        } else if (c == u' ') {
            Items.append(Item);
            Item.clear();
        } else {
            Item.append(c);
        }
    }
    return Items;
}

// One item as the type QSettings wrote it as: "@@" stands for a text starting with "@".
QVariant Typed(const QString& Text)
{
    if (!Text.startsWith(u'@'))
        return Text;
    if (Text.endsWith(u')')) {
        const QStringView View(Text);
        if (Text.startsWith(QLatin1String("@ByteArray(")))
            return View.sliced(11).chopped(1).toLatin1();
        if (Text.startsWith(QLatin1String("@String(")))
            return View.sliced(8).chopped(1).toString();
        if (Text.startsWith(QLatin1String("@Variant(")) || Text.startsWith(QLatin1String("@DateTime("))) {
            const bool DateTime = Text[1] == u'D';
            QByteArray Bytes = View.sliced(DateTime ? 10 : 9).toLatin1();
            QDataStream Stream(&Bytes, QIODevice::ReadOnly);
            Stream.setVersion(DateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            QVariant Value;
            Stream >> Value;
            return Value;
        }
        if (Text.startsWith(QLatin1String("@Rect("))) {
            const QStringList A = Arguments(View, 5);
            if (A.size() == 4)
                return QRect(A[0].toInt(), A[1].toInt(), A[2].toInt(), A[3].toInt());
        } else if (Text.startsWith(QLatin1String("@Size("))) {
            const QStringList A = Arguments(View, 5);
            if (A.size() == 2)
                return QSize(A[0].toInt(), A[1].toInt());
        } else if (Text.startsWith(QLatin1String("@Point("))) {
            const QStringList A = Arguments(View, 6);
            if (A.size() == 2)
                return QPoint(A[0].toInt(), A[1].toInt());
        } else if (Text == QLatin1String("@Invalid()")) {
            return QVariant();
        }
    }
    if (Text.startsWith(QLatin1String("@@")))
        return Text.sliced(1);
    return Text;
}

// A list stays a list of texts unless an item is of another type ("@" but not "@@").
QVariant TypedList(const QStringList& Items)
{
    QStringList Texts = Items;
    for (QString& Item : Texts) {
        if (!Item.startsWith(u'@'))
            continue;
        if (Item.size() < 2 || Item[1] != u'@') {
            QVariantList Values;
            Values.reserve(Items.size());
            for (const QString& Each : Items)
                Values.append(Typed(Each));
            return Values;
        }
        Item.remove(0, 1);
    }
    return Texts;
}

} // namespace

QVariant IniValue(QByteArrayView Raw)
{
    const TUnescaped Value = Unescaped(Raw);
    return Value.IsList ? TypedList(Value.List) : Typed(Value.Text);
}

TIniValues::TIniValues(const QByteArray& Text)
    : Text(Text)
{
    // The reader gathers each section's lines, wherever its header stands, and reads the
    // sections in the order of their names.
    std::map<QString, std::vector<const TIniLine*>> Sections;
    const std::vector<TIniLine> Lines = IniLines(this->Text);
    std::vector<const TIniLine*>* Current = &Sections[QString()];
    for (const TIniLine& Line : Lines) {
        if (Line.Kind == IniLineKind::Section)
            Current = &Sections[Line.Name];
        else if (Line.Kind == IniLineKind::Key)
            Current->push_back(&Line);
    }
    for (const auto& [Name, Lines] : Sections)
        for (const TIniLine* Line : Lines) {
            TKey& Key = Keys[Line->Name];
            Key.Raw = QByteArrayView(this->Text).sliced(Line->Value, Line->End - Line->Value);
            ++Key.Lines;
        }
}

QVariant TIniValues::Value(const QString& Name) const
{
    const auto Found = Keys.constFind(IniComparedName(Name));
    return Found == Keys.constEnd() ? QVariant() : IniValue(Found->Raw);
}

int TIniValues::Lines(const QString& Name) const
{
    return Keys.value(IniComparedName(Name)).Lines;
}
