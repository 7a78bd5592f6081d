// The window with its real message boxes, answered from the keyboard.

#include "form1.h"
#include "modal_answerer.h"

#include <QMessageBox>
#include <QRadioButton>
#include <QPushButton>

class TestForm1RealBoxes : public QObject {
    Q_OBJECT

private slots:
    void init() {
        form_ = new Form1;
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_));
        answerer_ = ModalAnswerer{};
    }
    void cleanup() { delete form_; }

    void enterAtClearMapAnswersYes();
    void enterAtTheCloseQuestionClosesTheWindow();
    void escapeAtTheCloseQuestionKeepsTheWindow();

private:
    Form1* form_ = nullptr;
    ModalAnswerer answerer_;
};

void TestForm1RealBoxes::enterAtClearMapAnswersYes() {
    form_->colorOption(1)->click();
    QString title;
    answerer_.answerNext(Qt::Key_Return, [&](QWidget* box) { title = box->windowTitle(); });
    QTest::mouseClick(form_->findChild<QPushButton*>(QStringLiteral("comClear")), Qt::LeftButton);
    QCOMPARE(answerer_.answered(), 1);
    QCOMPARE(title, QStringLiteral("Clear Map"));
    QCOMPARE(form_->level().Map(7, 9), 1);
}

void TestForm1RealBoxes::enterAtTheCloseQuestionClosesTheWindow() {
    form_->PicMap_MouseMove(1, 0, 10, 10);
    QString text;
    answerer_.answerNext(Qt::Key_Return, [&](QWidget* box) {
        text = qobject_cast<QMessageBox*>(box)->text();
    });
    QVERIFY(form_->close());
    QCOMPARE(answerer_.answered(), 1);
    QCOMPARE(text, QStringLiteral("You have not saved changes, are you sure?"));
    QVERIFY(!form_->isVisible());
}

void TestForm1RealBoxes::escapeAtTheCloseQuestionKeepsTheWindow() {
    form_->PicMap_MouseMove(1, 0, 10, 10);
    answerer_.answerNext(Qt::Key_Escape);
    QVERIFY(!form_->close());
    QCOMPARE(answerer_.answered(), 1);
    QVERIFY(form_->isVisible());
}

QTEST_MAIN(TestForm1RealBoxes)
#include "form1_real_boxes_test.moc"
