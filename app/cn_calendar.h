#pragma once

#include <QDate>
#include <QWidget>
#include <optional>

#include "calendar/lunar_calendar.h"

class QDateEdit;
class QLabel;

namespace meihua {

/// The lunar-calendar date box: the Gregorian date, picked from a calendar popup, beside the
/// lunar month and day of that date. It holds only dates the calendar covers, 1901-02-19 to
/// 2048-12-31.
class CnCalendar : public QWidget {
    Q_OBJECT

public:
    /// Starts at `today`, or at the nearer end of the range when today lies outside it.
    explicit CnCalendar(QDate today, QWidget* parent = nullptr);

    /// Shows `date` and returns true when it exists and lies in the range; otherwise keeps
    /// the date shown and returns false.
    bool SetDate(GregorianDate date);

    GregorianDate Date() const;

    /// The lunar date of the date shown. Always present, since the box holds no date outside
    /// the calendar's range.
    std::optional<LunarDate> Lunar() const;

    /// The lunar date as shown beside the Gregorian date, e.g. "农历冬月初二".
    QString LunarText() const;

private:
    void ShowLunar();

    QDateEdit* m_dateEdit;
    QLabel* m_lunar;
};

}  // namespace meihua
