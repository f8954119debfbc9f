#pragma once

#include "web/prefill.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>
#include <string_view>

class QAbstractButton;
class QWebEngineView;

namespace pelorin::browser {

// What the browser needs from the main window, asked at the moment it is
// needed.
struct PostingBrowserHooks {
    std::function<QString()> postingPageAddress;     // only its origin is pre-filled
    std::function<web::SpotSnapshot()> takeSnapshot; // values as UTF-8
    std::function<void(std::string_view)> dumpPage;  // code page 932 page text; may be empty
    std::function<int()> allowNewWindow;             // 0 refuses new windows
};

// Same scheme, host and port (the scheme's default port when none is given).
bool SameOrigin(const QUrl& a, const QUrl& b);

// Gives the main window's web view its behaviour: Stop button states from the
// engine's load signals, the new-window policy, no error pages, the dump of
// each completed document and the pre-fill of those of the posting page's
// origin.
class PostingBrowser : public QObject {
    Q_OBJECT
public:
    PostingBrowser(QWebEngineView* view, QAbstractButton* stopButton, PostingBrowserHooks hooks,
                   QObject* parent = nullptr);

    // Starts loading and returns at once.
    void Navigate(const QString& address);
    // The Stop button's action.
    void Stop();

signals:
    // A top-level document completed and the handling of it is over:
    // `prefilled` says whether its body was rewritten.
    void documentHandled(const QUrl& url, bool prefilled);

private:
    void DownloadComplete();
    void DocumentComplete(bool ok);
    void Rewrite(const QUrl& url, const QString& body, quint64 pass);

    QPointer<QWebEngineView> view_;
    QPointer<QAbstractButton> stop_;
    PostingBrowserHooks hooks_;
    quint64 loads_ = 0;  // counts loads started, so a late answer is dropped
    quint64 passes_ = 0; // tags each document read, so the write finds the same one
};

} // namespace pelorin::browser
