#pragma once

#include "hamlog/hamlog_query.h"
#include "hamlog/list_columns.h"
#include "ui/hamlog_query_thread.h"

#include <QObject>
#include <functional>
#include <string>

namespace pelorin::ui {

class TForm2;

// The rows of a query into the list: the old rows go only when a Hamlog
// window answered the enumeration.
void ApplyQueryResult(TForm2& form2, const hamlog::HamlogQueryResult& result);

// The Hamlog button: shows the reference list and fills it from Hamlog. The
// query runs on the query thread, so a hung Hamlog leaves the windows
// responsive; a press while a query runs only shows the list again.
class HamlogButton : public QObject {
    Q_OBJECT

public:
    struct MainWindowState {
        std::function<bool()> shiftAndCtrlHeld;
        std::function<std::string()> oldVersionList;
    };

    HamlogButton(TForm2& form2, hamlog::ListColumnTable& columns, MainWindowState state,
                 HamlogQueryThread::PortFactory makePort, QObject* parent = nullptr);

    void Button4Click();
    bool QueryRunning() const { return query_.Busy(); }

signals:
    // The rows of the last query are in the list.
    void QueryApplied();

private:
    TForm2& form2_;
    hamlog::ListColumnTable& columns_;
    MainWindowState state_;
    HamlogQueryThread query_;
};

} // namespace pelorin::ui
