#include "state/u_StateFile.h"

#include "ledger/u_TPlayer.h"
#include "state/u_ProfileValue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace {

constexpr std::array<const char*, GroupCount> CreditKeys{"bonus_art", "bonus_civ", "bonus_cra", "bonus_rel", "bonus_sci"};

QString Section(int k)
{
    return QStringLiteral("player") + QString::number(k);
}

QString DocumentsFolder; // empty: the system's

QString CardKey(int Card)
{
    return QStringLiteral("card") + QString::number(Card);
}

} // namespace

QString StateFolder()
{
    const QString Documents = DocumentsFolder.isEmpty()
                                  ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                  : DocumentsFolder;
    // Without a documents folder the path would start at the file-system root: keep no state.
    if (Documents.isEmpty())
        return {};
    return Documents + QLatin1Char('/') + QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString StateFilePath(const QString& FileName)
{
    const QString Folder = StateFolder();
    if (Folder.isEmpty() || !QDir().mkpath(Folder))
        return {};
    return Folder + QLatin1Char('/') + FileName;
}

void UseDocumentsFolder(const QString& Folder)
{
    DocumentsFolder = Folder.isEmpty() ? QString() : QFileInfo(Folder).absoluteFilePath();
}

void UseDocumentsOption(const QStringList& Arguments)
{
    const QString Option = QStringLiteral("--documents");
    QString Folder;
    for (qsizetype i = 1; i < Arguments.size() && Folder.isEmpty(); ++i) {
        if (Arguments[i] == Option && i + 1 < Arguments.size())
            Folder = Arguments[i + 1];
        else if (Arguments[i].startsWith(Option + QLatin1Char('=')))
            Folder = Arguments[i].mid(Option.size() + 1);
    }
    // An empty value is a mistake, not a request for the system's folder.
    if (!Folder.isEmpty())
        UseDocumentsFolder(Folder);
}

std::optional<TSavedGame> TakeStateFile(const QString& Path)
{
    if (Path.isEmpty() || !QFileInfo(Path).isFile())
        return std::nullopt;
    TSavedGame Game;
    {
        const QSettings Ini(Path, QSettings::IniFormat);
        const int Count = std::min(ProfileInt(Ini.value(QStringLiteral("main/player_num")), 1), MaxRestoredPlayers);
        for (int k = 0; k < Count; ++k) {
            const QString Prefix = Section(k) + QLatin1Char('/');
            TSavedPlayer Player;
            for (int Card = 1; Card <= CardCount; ++Card)
                Player.Owned[Card] = ProfileBool(Ini.value(Prefix + CardKey(Card)), false);
            for (int g = 0; g < GroupCount; ++g)
                Player.Credits[g] = ProfileInt(Ini.value(Prefix + QLatin1String(CreditKeys[g])), 0);
            Game.Players.push_back(Player);
        }
        Game.PurchaseLock = ProfileBool(Ini.value(QStringLiteral("main/purchase_lock")), false);
    }
    // Read once only: a file that would break the next start must not outlive this one.
    QFile::remove(Path);
    return Game;
}

bool WriteStateFile(const QString& Path, const std::vector<std::unique_ptr<TPlayer>>& Players, bool PurchaseLock)
{
    if (Path.isEmpty())
        return false;
    QSettings Ini(Path, QSettings::IniFormat);
    Ini.setValue(QStringLiteral("main/player_num"), int(Players.size()));
    for (int k = 0; k < int(Players.size()); ++k) {
        const TPlayer& Player = *Players[k];
        const QString Prefix = Section(k) + QLatin1Char('/');
        const GroupCredits Credits = Player.Credits();
        for (int g = 0; g < GroupCount; ++g)
            Ini.setValue(Prefix + QLatin1String(CreditKeys[g]), Credits[g]);
        // Booleans are written as the integers 1 and 0, which every profile reader understands.
        for (int Card = 1; Card <= CardCount; ++Card)
            Ini.setValue(Prefix + CardKey(Card), Player.Card_bought(Card) ? 1 : 0);
    }
    Ini.setValue(QStringLiteral("main/purchase_lock"), PurchaseLock ? 1 : 0);
    Ini.sync();
    return Ini.status() == QSettings::NoError;
}
