#pragma once

#include <QDateTime>
#include <QDialog>
#include <functional>

#include "app/form_builder.h"
#include "casting/casting_rules.h"
#include "engine/cast_result.h"
#include "engine/trigram.h"
#include "render/hexagram_panels.h"

namespace meihua {

class CnCalendar;
class DrawPanel;

/// What the main window asks of the world outside it; tests replace both.
struct MainWindowHooks {
    /// The current local date and time, in whole seconds.
    std::function<QDateTime()> now{};
    /// Asked when a cast starts with an empty reason: true to go on, false to stop.
    std::function<bool()> confirmEmptyReason{};
};

/// The clock's local date and time, without milliseconds.
QDateTime CurrentLocalTime();

/// The question asked before a cast without a reason: a message box with Yes and No, Yes the
/// default, owned by no window and modal to the whole program. True for Yes.
bool AskToIgnoreEmptyReason();

/// The main window: the inputs of the four methods, the reason, the cast, current-time and
/// about buttons, and the chart.
class MainWindow : public QDialog {
public:
    /// Builds the window from its form and runs its created handler. `table` is the
    /// program's trigram table, refilled by every cast.
    explicit MainWindow(TrigramTable& table, MainWindowHooks hooks = {});

    const BuiltForm& form() const { return m_form; }

private:
    void OnMainWindowCreated();
    void SetTimeInputsToNow();
    void EnableMethodInputs(CastMethod method);
    void OnLengthUnitSelected();
    void OnCurrentTimeClicked();
    void CastCommand();
    bool ConfirmEmptyReason();
    CastMethod ReadCastMethod() const;
    HexagramPanels Panels() const;
    void WriteHexagramNames(const CastResult& result);

    TrigramTable& m_table;
    MainWindowHooks m_hooks;
    BuiltForm m_form;
};

}  // namespace meihua
