#include "web/qt/browser_page.h"

#include <QWebEngineView>

namespace pelorin::browser {

BrowserPage::BrowserPage(QWebEngineProfile* profile, std::function<int()> allowNewWindow,
                         QObject* parent)
    : QWebEnginePage(profile, parent), allowNewWindow_(std::move(allowNewWindow)) {}

QWebEnginePage* BrowserPage::createWindow(WebWindowType /*type*/) {
    if (!allowNewWindow_ || allowNewWindow_() == 0)
        return nullptr;
    auto* window = new QWebEngineView;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName("NewBrowserWindow");
    auto* page = new BrowserPage(profile(), allowNewWindow_, window);
    window->setPage(page);
    window->resize(800, 600);
    window->show();
    return page;
}

} // namespace pelorin::browser
