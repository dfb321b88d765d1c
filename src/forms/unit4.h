// The About box.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QString;

class TfrmVer : public QDialog {
    Q_OBJECT
public:
    explicit TfrmVer(QWidget* parent = nullptr);

    QLabel* imgIcon = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lblURL = nullptr;
    QPushButton* btnOK = nullptr;

    void FormShow(QObject* sender);
    void lblURLClick(QObject* sender);
    void lblURLMouseDown(QObject* sender, Qt::MouseButton button, int x, int y);
    void lblURLMouseUp(QObject* sender, Qt::MouseButton button, int x, int y);
    void Button1Click(QObject* sender);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetLinkColour(QRgb rgb);
    bool linkPressed_ = false;
};

extern TfrmVer* frmVer;

// One edge of a dialog placed over the main window: the main window's edge
// plus half the difference of the two outer sizes, the half truncated toward zero.
int CentredEdge(int mainEdge, int mainSize, int dialogSize);
// Places a dialog over the main window by that rule, with outer sizes (frame
// and title bar included); the dialog may stick out beyond either.
void CentreOverMainWindow(QWidget* dialog);

// The home page address from tesmar.ini beside the executable (or from the
// settings file given); empty text when the file, its section or its key is
// missing, or when it is no regular file.
QString HomePageAddress();
QString HomePageAddress(const QString& settingsPath);
