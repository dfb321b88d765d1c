#include "forms/unit5.h"

#include "app/application.h"
#include "forms/unit4.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

TfrmConfig* frmConfig = nullptr;

namespace {

QGroupBox* MakeGroup(QWidget* parent, const QString& title, int x, int y, int w, int h)
{
    auto* box = new QGroupBox(title, parent);
    box->setGeometry(x, y, w, h);
    return box;
}

template <typename Button> Button* MakeChoice(QWidget* parent, const QString& caption, int x, int y, int w, int h)
{
    auto* button = new Button(caption, parent);
    button->setGeometry(x, y, w, h);
    return button;
}

} // namespace

TfrmConfig::TfrmConfig(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("ｵﾌﾟｼｮﾝ設定"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(TesmarFont(12));
    setFixedSize(417, 185);

    GroupBox1 = MakeGroup(this, QStringLiteral("タスクバーの設定"), 8, 8, 217, 73);
    RadioButton3 = MakeChoice<QRadioButton>(GroupBox1, QStringLiteral("タスクバーのみ表示"), 8, 16, 129, 17);
    RadioButton4 = MakeChoice<QRadioButton>(GroupBox1, QStringLiteral("タスクトレイのみ表示"), 8, 32, 129, 17);
    RadioButton5 =
        MakeChoice<QRadioButton>(GroupBox1, QStringLiteral("タスクバー・タスクトレイの両方表示"), 8, 48, 201, 17);

    GroupBox2 = MakeGroup(this, QStringLiteral("ウィンドウ設定"), 8, 88, 217, 89);
    RadioButton1 = MakeChoice<QRadioButton>(GroupBox2, QStringLiteral("終了時の位置を保存する"), 8, 16, 153, 17);
    RadioButton2 = MakeChoice<QRadioButton>(GroupBox2, QStringLiteral("終了時の位置を保存しない"), 8, 32, 161, 17);
    CheckBox1 = MakeChoice<QCheckBox>(GroupBox2, QStringLiteral("ｳｨﾝﾄﾞｳを常に手前に表示"), 8, 64, 153, 17);

    GroupBox3 = MakeGroup(this, QStringLiteral("ｾﾚｸﾄﾊﾟﾚｯﾄの設定"), 232, 8, 177, 73);
    RadioButton6 = MakeChoice<QRadioButton>(GroupBox3, QStringLiteral("空いているﾊﾟﾚｯﾄに色を追加"), 8, 19, 161, 17);
    RadioButton7 = MakeChoice<QRadioButton>(GroupBox3, QStringLiteral("選択中のﾊﾟﾚｯﾄに色を追加"), 8, 43, 161, 17);

    GroupBox4 = MakeGroup(this, QStringLiteral("終了時の確認"), 232, 88, 177, 57);
    RadioButton8 = MakeChoice<QRadioButton>(GroupBox4, QStringLiteral("確認する"), 8, 24, 65, 17);
    RadioButton9 = MakeChoice<QRadioButton>(GroupBox4, QStringLiteral("確認しない"), 88, 24, 81, 17);

    // OK has no action; Cancel and the close box close the dialog.
    Button1 = MakeChoice<QPushButton>(this, QStringLiteral("OK"), 255, 152, 75, 25);
    Button1->setAutoDefault(false);
    Button2 = MakeChoice<QPushButton>(this, QStringLiteral("ｷｬﾝｾﾙ"), 335, 152, 75, 25);
    Button2->setAutoDefault(false);
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(Button2); });

    // Tab order: the two buttons first, then the groups' choices in group order.
    QWidget* order[] = {Button1,      Button2,   RadioButton3, RadioButton4, RadioButton5, RadioButton1,
                        RadioButton2, CheckBox1, RadioButton6, RadioButton7, RadioButton8, RadioButton9};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    Button1->setFocus();
}

void TfrmConfig::showEvent(QShowEvent* event)
{
    RunGuarded([this] { FormShow(this); });
    QDialog::showEvent(event);
}

void TfrmConfig::FormShow(QObject*) { CentreOverMainWindow(this); }

void TfrmConfig::Button2Click(QObject*) { reject(); }
