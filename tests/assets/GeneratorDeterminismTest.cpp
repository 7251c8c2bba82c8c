// The generator paints, plays and composes the same bytes on every run, so
// regenerating the assets never changes files that were not meant to change.

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QMap<QString, QByteArray> digestsUnder(const QString& root)
{
    QMap<QString, QByteArray> digests;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            digests.insert(QDir(root).relativeFilePath(path),
                           QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256));
    }
    return digests;
}

QMap<QString, QByteArray> runGenerator(const QString& into)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(TOLVAR_ASSETGEN, {into});
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return {};
    return digestsUnder(into);
}

TEST(Generator, twoRunsWriteTheSameBytes)
{
    QTemporaryDir first;
    QTemporaryDir second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    const auto a = runGenerator(first.path());
    const auto b = runGenerator(second.path());
    ASSERT_GT(a.size(), 30) << "the generator ran and wrote its files";
    EXPECT_EQ(a.keys(), b.keys());
    for (auto it = a.begin(); it != a.end(); ++it)
        EXPECT_EQ(it.value(), b.value(it.key())) << it.key().toStdString();
    // Everything the game reads is among what it writes.
    for (const char* name : {"game/obj.png", "game/sprite.png", "game/goal.png", "game/number.png", "game/back.png",
                             "game/backmask.png", "game/tolvar.png", "game/BOXMOVE.WAV", "game/BOXGOAL.WAV",
                             "game/BOXWIN.WAV", "game/BOXUNDO.WAV", "game/TOLVAR3.MID", "game/TOLVAR2.MID",
                             "game/about_back.png", "game/win3.png", "game/http1.png"})
        EXPECT_TRUE(a.contains(name)) << name;
    // And the committed files are what it writes today: nobody edited one by hand
    // or forgot to run regenerate.sh after changing a generator.
    const auto committed = digestsUnder(TOLVAR_ASSETS_DIR);
    for (auto it = a.begin(); it != a.end(); ++it)
        EXPECT_EQ(it.value(), committed.value(it.key())) << it.key().toStdString() << " is stale";
}

} // namespace
