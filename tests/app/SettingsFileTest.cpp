// The settings file and the single-instance lock.
#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

#include "app/IniSettings.h"
#include "app/InstanceLock.h"

using namespace tolvar;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

ino_t InodeOf(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

}  // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findsTheValueOfAKeyInSectionBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << "[Box]\nLevel=12\n" << "Level" << true << "12";
        QTest::newRow("blanks round key and value") << "[Box]\n  Level =  7  \n" << "Level" << true << "7";
        QTest::newRow("names without regard to case") << "[box]\nlevel=3\n" << "Level" << true << "3";
        QTest::newRow("value kept raw for the rules") << "[Box]\nLevel=-4x\n" << "Level" << true << "-4x";
        QTest::newRow("empty value") << "[Box]\nLevel=\n" << "Level" << true << "";
        QTest::newRow("windows line ends") << "[Box]\r\nLevel=9\r\nSelfLevel=2\r\n" << "SelfLevel" << true << "2";
        QTest::newRow("key in another section") << "[Other]\nLevel=5\n[Box]\nSelfLevel=1\n" << "Level" << false << "";
        QTest::newRow("first section of the name counts") << "[Box]\nLevel=1\n[Box]\nLevel=2\n" << "Level" << true << "1";
        QTest::newRow("commented out") << "[Box]\n;Level=5\n" << "Level" << false << "";
        QTest::newRow("no section") << "Level=5\n" << "Level" << false << "";
        QTest::newRow("empty file") << "" << "Level" << false << "";
        QTest::newRow("byte-order mark") << "\xEF\xBB\xBF[Box]\nLevel=6\n" << "Level" << true << "6";
    }
    void findsTheValueOfAKeyInSectionBox()
    {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(bool, found);
        QFETCH(QString, value);
        const auto result = ini::Find(text.toStdString(), "Box", key.toStdString());
        QCOMPARE(result.has_value(), found);
        if (found)
            QCOMPARE(QString::fromStdString(*result), value);
    }

    void replacesOnlyTheOneKey_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("after");
        QTest::newRow("new file") << "" << "Level" << "[Box]\nLevel=4\n";
        QTest::newRow("replace in place") << "[Box]\nLevel=1\nSelfLevel=3\n" << "Level" << "[Box]\nLevel=4\nSelfLevel=3\n";
        QTest::newRow("add to the end of the section")
            << "[Box]\nSelfLevel=3\n\n[Sound]\nVolume=9\n" << "Level" << "[Box]\nSelfLevel=3\nLevel=4\n\n[Sound]\nVolume=9\n";
        QTest::newRow("add the section after others") << "[Sound]\nVolume=9\n" << "Level" << "[Sound]\nVolume=9\n\n[Box]\nLevel=4\n";
        QTest::newRow("same key elsewhere untouched")
            << "[Other]\nLevel=8\n[Box]\nLevel=1\n" << "Level" << "[Other]\nLevel=8\n[Box]\nLevel=4\n";
        QTest::newRow("comments kept") << "; progress\n[Box]\n; reached\nLevel=1\n" << "Level" << "; progress\n[Box]\n; reached\nLevel=4\n";
        QTest::newRow("windows line end kept") << "[Box]\r\nLevel=1\r\n" << "Level" << "[Box]\r\nLevel=4\r\n";
        QTest::newRow("no final line end") << "[Box]\nLevel=1" << "Level" << "[Box]\nLevel=4\n";
        QTest::newRow("byte-order mark kept, no second section")
            << "\xEF\xBB\xBF[Box]\nLevel=1\n" << "Level" << "\xEF\xBB\xBF[Box]\nLevel=4\n";
    }
    void replacesOnlyTheOneKey()
    {
        QFETCH(QString, before);
        QFETCH(QString, key);
        QFETCH(QString, after);
        QCOMPARE(QString::fromStdString(ini::Replace(before.toStdString(), "Box", key.toStdString(), "4")), after);
    }

    // What one command writes, the next reads: every read goes to the file, so a
    // value written by another running copy of the game is seen as well.
    void writesAndReadsBackThroughTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tolvar/tolvar.ini"));
        IniSettings settings(path);
        QVERIFY(!settings.Value("Level").has_value());
        QVERIFY(settings.SetValue("Level", "5"));
        QVERIFY(settings.SetValue("SelfLevel", "2"));
        QCOMPARE(settings.Value("Level"), std::optional<std::string>("5"));
        QCOMPARE(ReadAll(path), QByteArray("[Box]\nLevel=5\nSelfLevel=2\n"));

        WriteAll(path, "[Box]\nLevel=9\nSelfLevel=2\n");
        QCOMPARE(settings.Value("Level"), std::optional<std::string>("9"));
        IniSettings other(path);
        QVERIFY(other.SetValue("SelfLevel", "3"));
        QCOMPARE(settings.Value("SelfLevel"), std::optional<std::string>("3"));
    }

    // The file is replaced as a whole (written beside it and renamed over it), so a
    // crash in the middle leaves the old file, never half a file; nothing is left behind.
    void aWriteReplacesTheFileAtomically()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tolvar.ini"));
        WriteAll(path, "[Window]\nX=1\n[Box]\nLevel=1\n");
        const ino_t before = InodeOf(path);
        IniSettings settings(path);
        QVERIFY(settings.SetValue("Level", "2"));
        QVERIFY(InodeOf(path) != before);
        QCOMPARE(ReadAll(path), QByteArray("[Window]\nX=1\n[Box]\nLevel=2\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("tolvar.ini")});
    }

    // Section "Assist" shares the file: its writes leave "[Box]" alone, and a key of the
    // same name in the other section is another key.
    void theAssistSectionKeepsToItself()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tolvar.ini"));
        WriteAll(path, "[Box]\nLevel=4\nMouseWalking=7\n");
        IniSettings box(path), assist(path, "Assist");
        QVERIFY(!assist.Value("Level").has_value());
        QVERIFY(assist.SetValue("MouseWalking", "0"));
        QCOMPARE(ReadAll(path), QByteArray("[Box]\nLevel=4\nMouseWalking=7\n\n[Assist]\nMouseWalking=0\n"));
        QCOMPARE(box.Value("MouseWalking"), std::optional<std::string>("7"));
        QCOMPARE(assist.Value("MouseWalking"), std::optional<std::string>("0"));
    }

    // A folder that cannot be made (its parent is a file) or cannot be written: the
    // write reports failure, the game goes on, and the old file stays as it was.
    void anUnwritableFolderFailsTheWrite()
    {
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
        WriteAll(blocker, "x");
        IniSettings settings(blocker + QStringLiteral("/tolvar/tolvar.ini"));
        QVERIFY(!settings.SetValue("Level", "2"));
        QVERIFY(!settings.Value("Level").has_value());

        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        const QString locked = dir.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkpath(locked));
        WriteAll(locked + QStringLiteral("/tolvar.ini"), "[Box]\nLevel=3\n");
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        IniSettings readOnly(locked + QStringLiteral("/tolvar.ini"));
        QVERIFY(!readOnly.SetValue("Level", "4"));
        QCOMPARE(readOnly.Value("Level"), std::optional<std::string>("3"));
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void theFileLivesInTheUsersConfigFolder()
    {
        QTemporaryDir dir;
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
        QCOMPARE(IniSettings::DefaultPath(), dir.path() + QStringLiteral("/tolvar/tolvar.ini"));
        qputenv("XDG_CONFIG_HOME", saved);
    }

    // One game per user: the second claim fails while the first holds, and a lock
    // left by a process that died does not block the next start.
    void onlyOneInstanceHoldsTheLock()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("run/tolvar.lock"));
        {
            InstanceLock first(path);
            QVERIFY(first.ClaimSingleInstance());
            InstanceLock second(path);
            QVERIFY(!second.ClaimSingleInstance());
        }
        InstanceLock third(path);
        QVERIFY(third.ClaimSingleInstance());
    }

    // Without a place for the lock the game still starts: only another game stops it.
    void aLockThatCannotBeMadeDoesNotStopTheGame()
    {
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
        WriteAll(blocker, "x");
        InstanceLock lock(blocker + QStringLiteral("/tolvar.lock"));
        QVERIFY(lock.ClaimSingleInstance());
    }

    void aLockOfADeadProcessIsTakenOver()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tolvar.lock"));
        // The lock file's format: process id, program name, host name.
        WriteAll(path, QByteArray::number(0x7ffffff0) + "\ntolvar\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        InstanceLock lock(path);
        QVERIFY(lock.ClaimSingleInstance());
    }
};

QTEST_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
