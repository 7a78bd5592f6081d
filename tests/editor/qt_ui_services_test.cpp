// The real message boxes and file dialog behind the handlers' services.

#include "app_info.h"
#include "modal_answerer.h"
#include "qt_ui_services.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

using Answer = UiServices::Answer;
using Buttons = UiServices::Buttons;
using Icon = UiServices::Icon;

class TestQtUiServices : public QObject {
    Q_OBJECT

private slots:
    void init() {
        parent_ = new QWidget;
        parent_->show();
        services_ = new QtUiServices(parent_);
        answerer_ = ModalAnswerer{};
    }
    void cleanup() {
        delete services_;
        delete parent_;
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void messageBoxAnswers_data();
    void messageBoxAnswers();
    void messageBoxShowsWhatItWasAsked_data();
    void messageBoxShowsWhatItWasAsked();
    void dialogTakesATypedNameOfAMissingFile();
    void cancelledDialogKeepsTheNameItWasGiven();
    void dialogSettings();

private:
    QWidget* parent_ = nullptr;
    QtUiServices* services_ = nullptr;
    ModalAnswerer answerer_;
};

void TestQtUiServices::messageBoxAnswers_data() {
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("answer");
    QTest::newRow("Enter at Yes/No is Yes") << int(Buttons::YesNo) << int(Qt::Key_Return)
                                            << int(Answer::Yes);
    QTest::newRow("Escape at Yes/No is No") << int(Buttons::YesNo) << int(Qt::Key_Escape)
                                            << int(Answer::No);
    QTest::newRow("Enter at OK") << int(Buttons::Ok) << int(Qt::Key_Return) << int(Answer::Ok);
}

void TestQtUiServices::messageBoxAnswers() {
    QFETCH(int, buttons);
    QFETCH(int, key);
    QFETCH(int, answer);
    answerer_.answerNext(Qt::Key(key));
    const Answer got = services_->ShowMessage(QStringLiteral("Are you sure?"),
                                              QStringLiteral("Clear Map"), Icon::Question,
                                              Buttons(buttons));
    QCOMPARE(answerer_.answered(), 1);
    QCOMPARE(int(got), answer);
}

void TestQtUiServices::messageBoxShowsWhatItWasAsked_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("shownTitle");
    QTest::addColumn<int>("shownIcon");
    QTest::newRow("question") << QStringLiteral("Clear Map") << int(Icon::Question)
                              << int(Buttons::YesNo) << QStringLiteral("Clear Map")
                              << int(QMessageBox::Question);
    QTest::newRow("warning") << QStringLiteral("Quit") << int(Icon::Warning) << int(Buttons::YesNo)
                             << QStringLiteral("Quit") << int(QMessageBox::Warning);
    QTest::newRow("critical") << QStringLiteral("Cannot save") << int(Icon::Critical)
                              << int(Buttons::Ok) << QStringLiteral("Cannot save")
                              << int(QMessageBox::Critical);
    QTest::newRow("no title, no icon") << QString() << int(Icon::None) << int(Buttons::Ok)
                                       << ApplicationCaption() << int(QMessageBox::NoIcon);
}

void TestQtUiServices::messageBoxShowsWhatItWasAsked() {
    QFETCH(QString, title);
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QFETCH(QString, shownTitle);
    QFETCH(int, shownIcon);
    bool inspected = false;
    answerer_.answerNext(Qt::Key_Return, [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        inspected = true;
        QCOMPARE(box->text(), QStringLiteral("Some text"));
        QCOMPARE(box->windowTitle(), shownTitle);
        QCOMPARE(int(box->icon()), shownIcon);
        const bool yesNo = Buttons(buttons) == Buttons::YesNo;
        QCOMPARE(box->standardButtons(),
                 yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(static_cast<QAbstractButton*>(box->defaultButton()),
                 box->button(yesNo ? QMessageBox::Yes : QMessageBox::Ok));
    });
    services_->ShowMessage(QStringLiteral("Some text"), title, Icon(icon), Buttons(buttons));
    QVERIFY(inspected);
}

// Types a name into the dialog's file name field and accepts it with Enter.
static void TypeName(QWidget* modal, const QString& path) {
    auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(edit);
    edit->setText(path);
}

void TestQtUiServices::dialogTakesATypedNameOfAMissingFile() {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.map"));
    answerer_.answerNext(Qt::Key_Return, [&](QWidget* modal) { TypeName(modal, missing); });
    services_->SetDialogFileName(QString());
    services_->ShowOpenDialog();
    QCOMPARE(services_->DialogFileName(), missing);
}

void TestQtUiServices::cancelledDialogKeepsTheNameItWasGiven() {
    answerer_.answerNext(Qt::Key_Escape);
    services_->SetDialogFileName(QString());
    services_->ShowSaveDialog();
    QCOMPARE(answerer_.answered(), 1);
    QCOMPARE(services_->DialogFileName(), QString());
}

void TestQtUiServices::dialogSettings() {
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("old.map"));
    {
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    bool inspected = false;
    answerer_.answerNext(Qt::Key_Return, [&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        inspected = true;
        QCOMPARE(dialog->nameFilters(), QStringList{QStringLiteral("Kubrel Map (*.map)")});
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(dialog->defaultSuffix(), QString());
        QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Save As"));
        TypeName(modal, existing);
    });
    services_->SetDialogFileName(QString());
    services_->ShowSaveDialog();
    QVERIFY(inspected);
    QCOMPARE(services_->DialogFileName(), existing);
    QCOMPARE(answerer_.answered(), 1);
}

QTEST_MAIN(TestQtUiServices)
#include "qt_ui_services_test.moc"
