// Help, home page, the About box and the options dialog. The open requests
// are recorded instead of reaching a browser; the help page and the settings
// file are put beside the test program and taken away again.
#include "support/testsupport.h"

#include "app/application.h"
#include "forms/shellopen.h"
#include "forms/unit1.h"
#include "forms/unit4.h"
#include "forms/unit5.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

QString Folder() { return QDir::fromNativeSeparators(ExecutableFolder()); }

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QColor LinkColour() { return frmVer->lblURL->palette().color(QPalette::WindowText); }

} // namespace

class HelpDialogsTest : public QObject {
    Q_OBJECT
private:
    TesmarWindows* windows = nullptr;
    TForm1* f = nullptr;
    QList<QUrl> opened;
    QList<QColor> linkColourAtOpen;
    QStringList boxes; // "caption|text|icon" of every message box shown

    // Closes every message box or dialog that opens while body runs, after
    // recording it; inspect runs while a dialog is open.
    void WithModals(const std::function<void()>& body, const std::function<void(QWidget*)>& inspect = {})
    {
        QTimer watcher;
        watcher.setInterval(5);
        connect(&watcher, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                boxes << box->windowTitle() + QLatin1Char('|') + box->text() + QLatin1Char('|') +
                             QString::number(box->icon());
                box->done(QMessageBox::Ok);
            } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                boxes << dialog->windowTitle();
                if (inspect)
                    inspect(dialog);
                if (dialog->isVisible())
                    dialog->reject();
            }
        });
        watcher.start();
        body();
        QTest::qWait(20);
    }

    void SetHelpPage(bool present, const QString& name = QStringLiteral("index.html"))
    {
        QDir(Folder() + QStringLiteral("help")).removeRecursively();
        if (present)
            WriteFile(Folder() + QStringLiteral("help/") + name, "<html></html>");
    }
    QUrl HelpUrl() const { return QUrl::fromLocalFile(Folder() + QStringLiteral("help/index.html")); }
    void SetIni(const QByteArray* bytes)
    {
        QFile::remove(Folder() + QStringLiteral("tesmar.ini"));
        if (bytes)
            WriteFile(Folder() + QStringLiteral("tesmar.ini"), *bytes);
    }

private slots:
    void init()
    {
        opened.clear();
        linkColourAtOpen.clear();
        boxes.clear();
        SetOpenRequestHook([this](const QUrl& url) {
            opened << url;
            linkColourAtOpen << LinkColour();
        });
        windows = new TesmarWindows;
        f = windows->main();
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
    }
    void cleanup()
    {
        delete windows;
        SetOpenRequestHook({});
        SetHelpPage(false);
        SetIni(nullptr);
    }

    void missingHelpPageWarnsOncePerCommand()
    {
        SetHelpPage(false);
        const QString warning = QStringLiteral("ヘルプを開けません|ヘルプファイルが見つかりません！\n"
                                               "ヘルプファイルが正しくインストールされているか調べてください|") +
                                QString::number(QMessageBox::Warning);
        WithModals([&] { QTest::mouseClick(f->spbToolHelp, Qt::LeftButton); });
        QCOMPARE(boxes, QStringList{warning});
        WithModals([&] { f->mnuHelpContents->trigger(); });
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        WithModals([&] { QTest::keyClick(f, Qt::Key_F1); });
        QCOMPARE(boxes, QStringList({warning, warning, warning}));
        QVERIFY(opened.isEmpty());
    }

    void presentHelpPageOpensOncePerCommand()
    {
        SetHelpPage(true);
        QTest::mouseClick(f->spbToolHelp, Qt::LeftButton);
        QCOMPARE(opened, QList<QUrl>{HelpUrl()});
        f->mnuHelpContents->trigger();
        QTest::keyClick(f, Qt::Key_F1);
        QCOMPARE(opened, QList<QUrl>({HelpUrl(), HelpUrl(), HelpUrl()}));
        QVERIFY(boxes.isEmpty());
        // A page there only under another letter case is opened under its own name.
        SetHelpPage(true, QStringLiteral("INDEX.HTML"));
        opened.clear();
        f->mnuHelpContents->trigger();
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(Folder() + QStringLiteral("help/INDEX.HTML"))});
        QVERIFY(boxes.isEmpty());
    }

    void helpPressDraggedOffOpensNothing()
    {
        SetHelpPage(true);
        QTest::mousePress(f->spbToolHelp, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(f->spbToolHelp, Qt::LeftButton, {}, QPoint(60, 5));
        QVERIFY(opened.isEmpty());
        SetHelpPage(false);
        QTest::mousePress(f->spbToolHelp, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(f->spbToolHelp, Qt::LeftButton, {}, QPoint(5, 60));
        QVERIFY(boxes.isEmpty());
    }

    void rightClickOnHelpButtonShowsAboutOnly()
    {
        SetHelpPage(true);
        WithModals([&] { QTest::mouseClick(f->spbToolHelp, Qt::RightButton); });
        QCOMPARE(boxes, QStringList{QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報")});
        // Released away from the button, the right press shows nothing.
        WithModals([&] {
            QTest::mousePress(f->spbToolHelp, Qt::RightButton, {}, QPoint(5, 5));
            QTest::mouseRelease(f->spbToolHelp, Qt::RightButton, {}, QPoint(80, 5));
            QTest::mouseClick(f->spbToolHelp, Qt::MiddleButton);
        });
        QCOMPARE(boxes.size(), 1);
        QVERIFY(opened.isEmpty());
    }

    void homePageComesFromTheSettingsFile_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("address");
        QTest::newRow("shipped form") << QByteArray("[App]\nHP=https://a.example/x?y=1\n") << true
                                      << "https://a.example/x?y=1";
        QTest::newRow("lower case") << QByteArray("[app]\nhp=https://b.example/\n") << true << "https://b.example/";
        QTest::newRow("no key") << QByteArray("[App]\nURL=https://c.example/\n") << true << "";
        QTest::newRow("no file") << QByteArray() << false << "";
    }
    void homePageComesFromTheSettingsFile()
    {
        QFETCH(QByteArray, ini);
        QFETCH(bool, present);
        QFETCH(QString, address);
        SetIni(present ? &ini : nullptr);
        f->mnuHelpHomePage->trigger();
        QCOMPARE(opened, QList<QUrl>{QUrl(address)});
        QVERIFY(boxes.isEmpty());
        QVERIFY(windows->errors.isEmpty());
    }

    void aboutBoxLayoutAndLink()
    {
        const QByteArray first("[App]\nHP=https://first.example/\n");
        SetIni(&first);
        f->move(100, 100);
        WithModals([&] { f->mnuHelpAbout->trigger(); },
                   [&](QWidget* box) {
                       QCOMPARE(box, static_cast<QWidget*>(frmVer));
                       QCOMPARE(frmVer->size(), QSize(289, 145));
                       QCOMPARE(frmVer->Label2->text(), QStringLiteral("Version 0.6a"));
                       // The name in its large italic stays whole, whatever font sets it.
                       QCOMPARE(frmVer->Label1->pos(), QPoint(108, 23));
                       QVERIFY(frmVer->Label1->width() >= 81);
                       QVERIFY(frmVer->Label1->width() >=
                               frmVer->Label1->fontMetrics().horizontalAdvance(QStringLiteral("Tesmar")));
                       QCOMPARE(frmVer->Label2->pos(), QPoint(166, 48));
                       QCOMPARE(frmVer->btnOK->geometry(), QRect(208, 112, 75, 25));
                       QCOMPARE(frmVer->lblURL->text(), QStringLiteral("https://first.example/"));
                       QCOMPARE(frmVer->lblURL->toolTip(), QStringLiteral("バグや感想をお寄せください"));
                       QCOMPARE(LinkColour(), QColor(0, 0, 255));
                       const QRect main = f->frameGeometry();
                       const QRect dialog = frmVer->frameGeometry();
                       QCOMPARE(dialog.left(), CentredEdge(main.left(), main.width(), dialog.width()));
                       QCOMPARE(dialog.top(), CentredEdge(main.top(), main.height(), dialog.height()));

                       // Edited while the box is open: the click reads the file again.
                       const QByteArray second("[App]\nHP=https://second.example/\n");
                       SetIni(&second);
                       QTest::mousePress(frmVer->lblURL, Qt::LeftButton, {}, QPoint(2, 2));
                       QCOMPARE(LinkColour(), QColor(255, 0, 0));
                       QTest::mouseRelease(frmVer->lblURL, Qt::LeftButton, {}, QPoint(2, 2));
                       QCOMPARE(LinkColour(), QColor(0, 0, 255));
                       QVERIFY(frmVer->isVisible());

                       // Pressed, then released outside: red, blue again, nothing opened.
                       QTest::mousePress(frmVer->lblURL, Qt::LeftButton, {}, QPoint(2, 2));
                       QCOMPARE(LinkColour(), QColor(255, 0, 0));
                       QTest::mouseRelease(frmVer->lblURL, Qt::LeftButton, {}, QPoint(2, 200));
                       QCOMPARE(LinkColour(), QColor(0, 0, 255));
                       // Any button turns it red; only the left one opens.
                       QTest::mousePress(frmVer->lblURL, Qt::RightButton, {}, QPoint(2, 2));
                       QCOMPARE(LinkColour(), QColor(255, 0, 0));
                       QTest::mouseRelease(frmVer->lblURL, Qt::RightButton, {}, QPoint(2, 2));
                       QCOMPARE(LinkColour(), QColor(0, 0, 255));
                   });
        QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("https://second.example/"))});
        QCOMPARE(linkColourAtOpen, QList<QColor>{QColor(255, 0, 0)});

        // The next showing shows the edited address; without a file, an empty link.
        WithModals([&] { f->mnuHelpAbout->trigger(); },
                   [&](QWidget*) { QCOMPARE(frmVer->lblURL->text(), QStringLiteral("https://second.example/")); });
        SetIni(nullptr);
        WithModals([&] { f->mnuHelpAbout->trigger(); },
                   [&](QWidget*) {
                       QVERIFY(frmVer->lblURL->text().isEmpty());
                       QVERIFY(frmVer->lblURL->width() > 0);
                       QTest::mouseClick(frmVer->lblURL, Qt::LeftButton, {}, QPoint(1, 1));
                   });
        QCOMPARE(opened.last(), QUrl());
    }

    void linkShowsMarkupAsText()
    {
        const QByteArray markup("[App]\nHP=<b>bold</b>\n");
        SetIni(&markup);
        WithModals([&] { f->mnuHelpAbout->trigger(); },
                   [&](QWidget*) { QCOMPARE(frmVer->lblURL->textFormat(), Qt::PlainText); });
    }

    void centringRule()
    {
        QCOMPARE(CentredEdge(100, 350, 295), 127);
        QCOMPARE(CentredEdge(100, 300, 172), 164);
        // Halves are truncated toward zero: a difference of -79 moves by -39.
        QCOMPARE(CentredEdge(0, 100, 179), -39);
        QCOMPARE(CentredEdge(50, 344, 417), 50 - 36);
    }

    void optionsDialog()
    {
        f->move(100, 100); // the offscreen platform keeps client areas on the screen
        WithModals([&] { f->mnuVisibleOptionClick(f->mnuVisibleOption); },
                   [&](QWidget*) {
                       QCOMPARE(frmConfig->windowTitle(), QStringLiteral("ｵﾌﾟｼｮﾝ設定"));
                       QCOMPARE(frmConfig->size(), QSize(417, 185));
                       const QRect main = f->frameGeometry();
                       // Wider than the main window: its left edge lies left of the main window's.
                       QCOMPARE(frmConfig->frameGeometry().left(),
                                CentredEdge(main.left(), main.width(), frmConfig->frameGeometry().width()));
                       QVERIFY(frmConfig->frameGeometry().left() < main.left());
                       for (QRadioButton* r : frmConfig->findChildren<QRadioButton*>())
                           QVERIFY(!r->isChecked());
                       QVERIFY(!frmConfig->CheckBox1->isChecked());
                       QCOMPARE(frmConfig->RadioButton9->geometry(), QRect(88, 24, 81, 17));
                       QCOMPARE(frmConfig->RadioButton9->parentWidget(), frmConfig->GroupBox4);
                       // Choices exclude each other only within their group.
                       frmConfig->RadioButton3->click();
                       frmConfig->RadioButton1->click();
                       QVERIFY(frmConfig->RadioButton3->isChecked());
                       frmConfig->Button1->click(); // OK does nothing
                       QVERIFY(frmConfig->isVisible());
                       QCOMPARE(frmConfig->Button1->nextInFocusChain(), frmConfig->Button2);
                       frmConfig->Button2->click(); // Cancel closes
                       QVERIFY(!frmConfig->isVisible());
                   });
        // The close box closes it as well, and the choices stay for the run.
        WithModals([&] { f->mnuVisibleOptionClick(f->mnuVisibleOption); },
                   [&](QWidget*) {
                       QVERIFY(frmConfig->RadioButton1->isChecked());
                       frmConfig->close();
                       QVERIFY(!frmConfig->isVisible());
                   });
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(f->frontWndOn, 0);
    }
};

QTEST_MAIN(HelpDialogsTest)
#include "test_help_dialogs.moc"
