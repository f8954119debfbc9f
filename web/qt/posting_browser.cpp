#include "web/qt/posting_browser.h"

#include "text/cp932_codec.h"
#include "web/qt/browser_page.h"
#include "web/qt/older_serialisation.h"
#include "web/qt/script_literal.h"

#include <QAbstractButton>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace pelorin::browser {
namespace {

int DefaultPort(const QString& scheme) {
    if (scheme == QLatin1String("http"))
        return 80;
    if (scheme == QLatin1String("https"))
        return 443;
    return -1;
}

} // namespace

bool SameOrigin(const QUrl& a, const QUrl& b) {
    if (!a.isValid() || !b.isValid() || a.host().isEmpty())
        return false;
    const QString scheme = a.scheme().toLower();
    return scheme == b.scheme().toLower() && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 &&
           a.port(DefaultPort(scheme)) == b.port(DefaultPort(scheme));
}

PostingBrowser::PostingBrowser(QWebEngineView* view, QAbstractButton* stopButton,
                               PostingBrowserHooks hooks, QObject* parent)
    : QObject(parent), view_(view), stop_(stopButton), hooks_(std::move(hooks)) {
    auto* page = new BrowserPage(view->page()->profile(), hooks_.allowNewWindow, view);
    // A failed navigation shows neither the engine's error page nor a message.
    page->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    view->setPage(page);
    stop_->setEnabled(false);

    connect(page, &QWebEnginePage::loadStarted, this, [this] {
        ++loads_;
        DownloadComplete();
    });
    connect(page, &QWebEnginePage::loadProgress, this, [this](int progress) {
        if (progress < 100)
            DownloadComplete();
    });
    connect(page, &QWebEnginePage::loadFinished, this, &PostingBrowser::DocumentComplete);
}

void PostingBrowser::Navigate(const QString& address) {
    view_->load(QUrl(address));
}

void PostingBrowser::Stop() {
    if (stop_->isEnabled())
        view_->stop();
    stop_->setEnabled(false);
}

void PostingBrowser::DownloadComplete() {
    stop_->setEnabled(true);
}

void PostingBrowser::DocumentComplete(bool ok) {
    stop_->setEnabled(false);
    const QUrl url = view_->page()->url();
    // A failed load leaves no document to read.
    if (!ok) {
        emit documentHandled(url, false);
        return;
    }
    const quint64 pass = ++passes_;
    const quint64 load = loads_;
    // The document's own address comes with its body, so the origin check
    // below is about the very text that was read.
    const QString read = QStringLiteral("(function () {"
                                        "  if (!document.body) return null;"
                                        "  window.pelorinPass = %1;"
                                        "  return [document.URL, document.body.innerHTML];"
                                        "})()")
                             .arg(pass);
    QPointer<PostingBrowser> self(this);
    view_->page()->runJavaScript(
        read, QWebEngineScript::ApplicationWorld, [self, pass, load, url](const QVariant& answer) {
            if (!self)
                return;
            const QStringList document = answer.toStringList();
            if (load != self->loads_ || answer.typeId() != QMetaType::QVariantList ||
                document.size() != 2) {
                emit self->documentHandled(url, false);
                return;
            }
            self->Rewrite(QUrl(document[0]), document[1], pass);
        });
}

void PostingBrowser::Rewrite(const QUrl& url, const QString& body, quint64 pass) {
    const std::string page = ToOlderSerialisation(body.toStdString());
    if (hooks_.dumpPage)
        hooks_.dumpPage(text::Utf8ToCp932(page));
    // Only the posting page's own origin may receive the spot and the password.
    if (!hooks_.postingPageAddress || !SameOrigin(url, QUrl(hooks_.postingPageAddress()))) {
        emit documentHandled(url, false);
        return;
    }
    const web::SpotSnapshot spot =
        hooks_.takeSnapshot ? hooks_.takeSnapshot() : web::SpotSnapshot{};
    const std::string filled = web::PrefillPostingPage(page, spot, text::Encoding::Utf8);

    // The same document that was read, even if another started meanwhile.
    const QString write =
        QStringLiteral("(function () {"
                       "  if (window.pelorinPass !== %1 || !document.body)"
                       "    return false;"
                       "  document.body.innerHTML = %2;"
                       "  return true;"
                       "})()")
            .arg(QString::number(pass), ScriptStringLiteral(QString::fromStdString(filled)));
    QPointer<PostingBrowser> self(this);
    view_->page()->runJavaScript(write, QWebEngineScript::ApplicationWorld,
                                 [self, url](const QVariant& written) {
                                     if (self)
                                         emit self->documentHandled(url, written.toBool());
                                 });
}

} // namespace pelorin::browser
