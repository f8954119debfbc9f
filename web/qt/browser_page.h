#pragma once

#include <QWebEnginePage>
#include <functional>

namespace pelorin::browser {

// A page that asks before the engine opens a new window. A refused request
// opens nothing; an allowed one gets a plain top-level browser window, as the
// engine would give it by default.
class BrowserPage : public QWebEnginePage {
    Q_OBJECT
public:
    // `allowNewWindow` is read at each request; 0 refuses.
    BrowserPage(QWebEngineProfile* profile, std::function<int()> allowNewWindow,
                QObject* parent = nullptr);

protected:
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    std::function<int()> allowNewWindow_;
};

} // namespace pelorin::browser
