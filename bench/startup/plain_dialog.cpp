// The yardstick for start-up: a plain QDialog with as many controls of the same Qt kinds as
// the main window, the same texts and the same size, built the way a quick prototype would
// build it (default style, palette and font, no translations, no icon). bench/startup/run
// times it beside meihua.
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

namespace {

QLabel* Label(QWidget* parent, const char* text, QRect geometry) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setGeometry(geometry);
    return label;
}

QComboBox* Combo(QWidget* parent, int items, QRect geometry) {
    auto* combo = new QComboBox(parent);
    for (int i = 0; i < items; ++i) {
        combo->addItem(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')));
    }
    combo->setGeometry(geometry);
    return combo;
}

QLineEdit* Edit(QWidget* parent, QRect geometry) {
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(geometry);
    return edit;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("plain dialog"));
    dialog.setFixedSize(765, 391);

    auto* inputs = new QGroupBox(&dialog);
    inputs->setGeometry(7, 6, 750, 136);
    auto* chart = new QFrame(&dialog);
    chart->setFrameStyle(QFrame::Box);
    chart->setGeometry(7, 150, 750, 218);
    Label(&dialog,
          "一物从来有一身 一身还有一乾坤 能知百事备于我 肯把三才别立根 天向一中分造化 "
          "人于心上起经纶 仙人也有两般话 道不虚传只在人",
          {25, 370, 713, 20});

    Label(inputs, "梅花起卦方式：", {13, -5, 80, 24});
    Label(inputs, "时间起卦：", {33, 22, 59, 20});
    auto* date = new QDateEdit(QDate::currentDate(), inputs);
    date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    date->setCalendarPopup(true);
    date->setGeometry(93, 22, 104, 20);
    Label(inputs, "农历冬月初二", {201, 22, 112, 20});
    Combo(inputs, 24, {320, 22, 45, 20});
    Label(inputs, "时", {369, 22, 15, 20});
    Combo(inputs, 60, {388, 22, 45, 20});
    Label(inputs, "分", {437, 22, 15, 20});
    Combo(inputs, 60, {456, 22, 45, 20});
    Label(inputs, "秒", {506, 22, 15, 20});
    (new QPushButton(QString::fromUtf8("当前时间"), inputs))->setGeometry(525, 17, 100, 25);
    (new QPushButton(QString::fromUtf8("软件说明"), inputs))->setGeometry(637, 17, 100, 25);

    for (int row = 0; row < 3; ++row) {
        auto* radio = new QRadioButton(inputs);
        radio->setGeometry(12, 22 + 28 * row, 16, 20);
        radio->setChecked(row == 0);
    }
    (new QRadioButton(inputs))->setGeometry(275, 50, 16, 20);
    Label(inputs, "物体数量或声音次数起卦：", {33, 50, 141, 20});
    Edit(inputs, {177, 50, 75, 20});
    Label(inputs, "汉字起卦：", {299, 50, 54, 20});
    Edit(inputs, {361, 50, 376, 20});

    Label(inputs, "长度起卦：", {33, 78, 54, 20});
    Label(inputs, "第一长度：", {98, 78, 54, 20});
    Edit(inputs, {163, 78, 69, 20});
    Combo(inputs, 5, {243, 78, 48, 20});
    Label(inputs, "第二长度：", {318, 78, 54, 20});
    Edit(inputs, {381, 78, 69, 20});
    Edit(inputs, {459, 78, 48, 20});
    Label(inputs, "不动不占！无事不占！无异常现象不占！", {524, 78, 213, 20});

    Label(inputs, "占测缘由：", {12, 106, 61, 20});
    Edit(inputs, {76, 106, 557, 20});
    (new QPushButton(QString::fromUtf8("占测"), inputs))->setGeometry(645, 103, 95, 25);

    const char* names[] = {"本 卦", "互 卦", "变 卦", "错 卦", "综 卦"};
    for (int i = 0; i < 5; ++i) {
        auto* panel = new QFrame(chart);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setLineWidth(2);
        panel->setGeometry(6 + 149 * i, 5, 140, 150);
        Label(chart, names[i], {6 + 149 * i, 160, 140, 24});
        Label(chart, names[i], {7 + 149 * i, 189, 140, 24});
    }

    return dialog.exec();
}
