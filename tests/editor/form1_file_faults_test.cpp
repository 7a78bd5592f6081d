// Files that fail under the commands: the editor reports the fault, keeps
// running, and keeps both the level in memory and the map on disk.

#include "editor_test_support.h"
#include "map_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using Icon = UiServices::Icon;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Exit codes of the child that saves under a file-size limit.
enum ChildResult { kReported = 0, kNotReported = 1, kStillSaved = 2 };

} // namespace

class TestForm1FileFaults : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void diskFillingUpDuringSave();
    void saveIntoAMissingFolder();
    void fileVanishingBeforeTheRead();

private:
    void placeMarkersAndPaint();
    QStringList folderEntries() const {
        return QDir(dir_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    ShownForm* shown_ = nullptr;
    QTemporaryDir* dir_ = nullptr;
};

void TestForm1FileFaults::init() {
    shown_ = new ShownForm;
    dir_ = new QTemporaryDir;
    QVERIFY(dir_->isValid());
}

void TestForm1FileFaults::cleanup() {
    delete shown_;
    delete dir_;
}

void TestForm1FileFaults::placeMarkersAndPaint() {
    Form1& form = *shown_->form;
    form.comStart_Click();
    form.PicMap_MouseUp(1, 0, 5, 5);
    form.comEnd_Click();
    form.PicMap_MouseUp(1, 0, 250, 250);
    form.PicMap_MouseMove(1, 0, 100, 100);
}

// The save runs in a child process whose files may not grow past 100 bytes, as
// on a disk that fills up; the child reports through its exit code.
void TestForm1FileFaults::diskFillingUpDuringSave() {
    const QString file = dir_->filePath(QStringLiteral("level.map"));
    Level old;
    SetStartupValues(old);
    old.StartX = old.StartY = old.EndX = old.EndY = 3;
    QVERIFY(WriteMapFile(QFile::encodeName(file).toStdString(), old));
    const QByteArray before = ReadAll(file);
    placeMarkersAndPaint();
    shown_->ui.choose(file);

    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        Form1& form = *shown_->form;
        form.comSave_Click();
        const auto& messages = shown_->ui.messages;
        const bool reported = messages.size() == 1 && messages[0].icon == Icon::Critical &&
                              messages[0].text.contains(file) &&
                              messages[0].text.contains(QStringLiteral("File too large"));
        _exit(!form.level().Unsaved ? kStillSaved : reported ? kReported : kNotReported);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY2(WIFEXITED(status), "the editor must survive a full disk");
    QCOMPARE(WEXITSTATUS(status), int(kReported));
    QCOMPARE(ReadAll(file), before);
    QCOMPARE(folderEntries(), QStringList{QStringLiteral("level.map")});
}

void TestForm1FileFaults::saveIntoAMissingFolder() {
    placeMarkersAndPaint();
    const QString file = dir_->filePath(QStringLiteral("gone/level.map"));
    shown_->ui.choose(file);
    shown_->form->comSave_Click();
    QCOMPARE(shown_->ui.messages.size(), 1);
    const auto& error = shown_->ui.messages.constFirst();
    QCOMPARE(error.icon, Icon::Critical);
    QVERIFY2(error.text.contains(file), qPrintable(error.text));
    QVERIFY2(error.text.contains(QStringLiteral("No such file or directory")), qPrintable(error.text));
    QVERIFY(shown_->form->level().Unsaved);
    QVERIFY(folderEntries().isEmpty());
}

void TestForm1FileFaults::fileVanishingBeforeTheRead() {
    const QString file = dir_->filePath(QStringLiteral("level.map"));
    Level saved;
    SetStartupValues(saved);
    saved.Map(4, 4) = 5;
    QVERIFY(WriteMapFile(QFile::encodeName(file).toStdString(), saved));
    shown_->ui.choose(file);
    shown_->ui.whileDialogOpen = [file] { QFile::remove(file); };
    shown_->form->comLoad_Click();

    QCOMPARE(shown_->ui.messages.size(), 1);
    const auto& error = shown_->ui.messages.constFirst();
    QCOMPARE(error.title, QStringLiteral("Cannot load"));
    QVERIFY2(error.text.contains(QStringLiteral("No such file or directory")), qPrintable(error.text));
    QCOMPARE(shown_->form->level().Map(4, 4), 0);
    QVERIFY(shown_->tileIs(4, 4, kBlack));
    // Still running: the next command works.
    shown_->form->PicMap_MouseMove(1, 0, 70, 70);
    QCOMPARE(shown_->form->level().Map(4, 4), 7);
}

QTEST_MAIN(TestForm1FileFaults)
#include "form1_file_faults_test.moc"
