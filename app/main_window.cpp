#include "app/main_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <array>

#include "app/about_window.h"
#include "app/cn_calendar.h"
#include "app/draw_panel_widget.h"
#include "app/forms.h"
#include "casting/cast_flow.h"
#include "engine/cast_result.h"
#include "engine/hexagram_name.h"
#include "render/hexagram_panels.h"

namespace meihua {

namespace {

// A control of the main window and the method it belongs to.
struct MethodControl {
    QStringView name;
    CastMethod method;
};

// The controls whose enabled state follows the chosen method.
constexpr std::array<MethodControl, 10> kMethodInputs = {{
    {u"农历日期框1", CastMethod::Time},
    {u"组合框2", CastMethod::Time},
    {u"组合框3", CastMethod::Time},
    {u"组合框4", CastMethod::Time},
    {u"编辑框_物数", CastMethod::Count},
    {u"编辑框_汉字", CastMethod::Characters},
    {u"编辑框_长度1", CastMethod::Length},
    {u"编辑框_长度2", CastMethod::Length},
    {u"组合框_长度单位1", CastMethod::Length},
    {u"编辑框_长度单位2", CastMethod::Length},
}};

// The radio box of each method, in the order ReadCastMethod reads them.
constexpr std::array<MethodControl, 4> kMethodRadios = {{
    {u"单选框_时间", CastMethod::Time},
    {u"单选框_物数", CastMethod::Count},
    {u"单选框_汉字", CastMethod::Characters},
    {u"单选框_长度", CastMethod::Length},
}};

// Each hexagram of a chart, the label its name goes to and the panel it is drawn in.
struct ChartPlace {
    Hexagram CastResult::*hexagram;
    QStringView label;
    QStringView panel;
};

constexpr std::array<ChartPlace, 5> kChartPlaces = {{
    {&CastResult::main, u"标签_本卦", u"画板_本卦"},
    {&CastResult::mutual, u"标签_互卦", u"画板_互卦"},
    {&CastResult::changed, u"标签_变卦", u"画板_变卦"},
    {&CastResult::opposite, u"标签_错卦", u"画板_错卦"},
    {&CastResult::reversed, u"标签_综卦", u"画板_综卦"},
}};

std::string Utf8(const QString& text) { return text.toStdString(); }

// The next smaller unit of each item of 组合框_长度单位1, by item index.
constexpr std::array<QStringView, 5> kSubUnits = {u"尺", u"寸", u"分米", u"厘米", u"毫米"};

}  // namespace

QDateTime CurrentLocalTime() {
    const QDateTime now = QDateTime::currentDateTime();
    return QDateTime(now.date(),
                     QTime(now.time().hour(), now.time().minute(), now.time().second()));
}

bool AskToIgnoreEmptyReason() {
    QMessageBox box(QMessageBox::Question, QStringLiteral("测什么事情？"),
                    QStringLiteral("确定忽略输入占测缘由吗？"), QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

MainWindow::MainWindow(TrigramTable& table, MainWindowHooks hooks)
    : QDialog(nullptr),
      m_table(table),
      m_hooks(std::move(hooks)),
      m_form(BuildForm(*this, form::MainWindowForm())) {
    if (!m_hooks.now) {
        m_hooks.now = CurrentLocalTime;
    }
    if (!m_hooks.confirmEmptyReason) {
        m_hooks.confirmEmptyReason = AskToIgnoreEmptyReason;
    }
    m_form.Bind(u"按钮1", [this] { CastCommand(); });
    m_form.Bind(u"单选框_时间", [this] { EnableMethodInputs(CastMethod::Time); });
    m_form.Bind(u"单选框_物数", [this] { EnableMethodInputs(CastMethod::Count); });
    m_form.Bind(u"单选框_汉字", [this] { EnableMethodInputs(CastMethod::Characters); });
    m_form.Bind(u"单选框_长度", [this] { EnableMethodInputs(CastMethod::Length); });
    m_form.Bind(u"组合框_长度单位1", [this] { OnLengthUnitSelected(); });
    m_form.Bind(u"按钮_当前时间", [this] { OnCurrentTimeClicked(); });
    m_form.Bind(u"按钮_软件说明", [] { OpenAboutWindow(); });
    m_form.RequireAllBound();

    OnMainWindowCreated();
}

void MainWindow::OnMainWindowCreated() {
    SetTimeInputsToNow();
    m_form.Get<QLineEdit>(u"编辑框_长度单位2").setText(kSubUnits[0].toString());
}

void MainWindow::SetTimeInputsToNow() {
    // One reading of the clock, so that the three lists never disagree at the turn of a
    // minute or an hour.
    const QTime now = m_hooks.now().time();
    m_form.Get<QComboBox>(u"组合框2").setCurrentIndex(now.hour());
    m_form.Get<QComboBox>(u"组合框3").setCurrentIndex(now.minute());
    m_form.Get<QComboBox>(u"组合框4").setCurrentIndex(now.second());
}

void MainWindow::EnableMethodInputs(CastMethod method) {
    for (const MethodControl& input : kMethodInputs) {
        m_form.Get<QWidget>(input.name).setEnabled(input.method == method);
    }
}

void MainWindow::OnLengthUnitSelected() {
    const int index = m_form.Get<QComboBox>(u"组合框_长度单位1").currentIndex();
    if (index >= 0 && index < static_cast<int>(kSubUnits.size())) {
        m_form.Get<QLineEdit>(u"编辑框_长度单位2").setText(kSubUnits[index].toString());
    }
}

void MainWindow::OnCurrentTimeClicked() {
    const QDate today = m_hooks.now().date();
    // A date outside the calendar's range leaves the date box as it is.
    m_form.Get<CnCalendar>(u"农历日期框1").SetDate({today.year(), today.month(), today.day()});
    SetTimeInputsToNow();
}

bool MainWindow::ConfirmEmptyReason() {
    // Only the exactly empty text asks; a reason of spaces is a reason.
    return !m_form.Get<QLineEdit>(u"编辑框_占测缘由").text().isEmpty() ||
           m_hooks.confirmEmptyReason();
}

CastMethod MainWindow::ReadCastMethod() const {
    for (const MethodControl& radio : kMethodRadios) {
        if (m_form.Get<QRadioButton>(radio.name).isChecked()) {
            return radio.method;
        }
    }
    return CastMethod::Time;  // the group always has one checked; time is the form's choice
}

HexagramPanels MainWindow::Panels() const {
    return {
        m_form.Get<DrawPanel>(kChartPlaces[0].panel), m_form.Get<DrawPanel>(kChartPlaces[1].panel),
        m_form.Get<DrawPanel>(kChartPlaces[2].panel), m_form.Get<DrawPanel>(kChartPlaces[3].panel),
        m_form.Get<DrawPanel>(kChartPlaces[4].panel)};
}

void MainWindow::WriteHexagramNames(const CastResult& result) {
    for (const ChartPlace& place : kChartPlaces) {
        m_form.Get<QLabel>(place.label)
            .setText(QString::fromStdString(HexagramName(result.*place.hexagram)));
    }
}

void MainWindow::CastCommand() {
    if (!ConfirmEmptyReason()) {
        return;  // the previous chart and names stay
    }
    const HexagramPanels panels = Panels();
    ClearHexagramPanels(panels);

    // Read every input afresh; the core takes both branch numbers, applies the method's
    // rule and normalises.
    const std::string hour = Utf8(m_form.Get<QComboBox>(u"组合框2").currentText());
    const std::string minute = Utf8(m_form.Get<QComboBox>(u"组合框3").currentText());
    const std::string second = Utf8(m_form.Get<QComboBox>(u"组合框4").currentText());
    const std::string count = Utf8(m_form.Get<QLineEdit>(u"编辑框_物数").text());
    const std::string firstLength = Utf8(m_form.Get<QLineEdit>(u"编辑框_长度1").text());
    const std::string secondLength = Utf8(m_form.Get<QLineEdit>(u"编辑框_长度2").text());
    const CastNumbers numbers =
        ComputeCastNumbers({.method = ReadCastMethod(),
                            .date = m_form.Get<CnCalendar>(u"农历日期框1").Date(),
                            .hourText = hour,
                            .minuteText = minute,
                            .secondText = second,
                            .countText = count,
                            .firstLengthText = firstLength,
                            .secondLengthText = secondLength})
            .numbers;

    const CastResult result =
        DeriveHexagrams(m_table, numbers.upper, numbers.lower, numbers.movingLine);
    WriteHexagramNames(result);
    DrawHexagramPanels(panels, result);
}

}  // namespace meihua
