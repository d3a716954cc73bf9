#include "app/cn_calendar.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <algorithm>

#include "calendar/lunar_text.h"

namespace meihua {

namespace {

QDate ToQDate(GregorianDate date) { return QDate(date.year, date.month, date.day); }

GregorianDate FromQDate(QDate date) { return {date.year(), date.month(), date.day()}; }

}  // namespace

CnCalendar::CnCalendar(QDate today, QWidget* parent)
    : QWidget(parent), m_dateEdit(new QDateEdit(this)), m_lunar(new QLabel(this)) {
    m_dateEdit->setObjectName(QStringLiteral("公历日期"));
    m_dateEdit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_dateEdit->setCalendarPopup(true);
    m_dateEdit->setDateRange(ToQDate(kFirstCalendarDate), ToQDate(kLastCalendarDate));
    m_dateEdit->setDate(std::clamp(today, m_dateEdit->minimumDate(), m_dateEdit->maximumDate()));
    m_dateEdit->setFixedWidth(104);

    m_lunar->setObjectName(QStringLiteral("农历日期"));
    m_lunar->setTextFormat(Qt::PlainText);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_dateEdit);
    layout->addWidget(m_lunar, 1);

    setFocusProxy(m_dateEdit);
    setFocusPolicy(m_dateEdit->focusPolicy());
    connect(m_dateEdit, &QDateEdit::dateChanged, this, [this] { ShowLunar(); });
    ShowLunar();
}

bool CnCalendar::SetDate(GregorianDate date) {
    if (!InCalendarRange(date)) {
        return false;
    }
    m_dateEdit->setDate(ToQDate(date));
    return true;
}

GregorianDate CnCalendar::Date() const { return FromQDate(m_dateEdit->date()); }

std::optional<LunarDate> CnCalendar::Lunar() const { return ToLunar(Date()); }

QString CnCalendar::LunarText() const { return m_lunar->text(); }

void CnCalendar::ShowLunar() {
    const std::optional<LunarDate> lunar = Lunar();
    m_lunar->setText(lunar ? QStringLiteral("农历") + QString::fromStdString(LunarDateText(*lunar))
                           : QString());
}

}  // namespace meihua
