#include "platform/qt/page_view.h"

#include <QFileInfo>
#include <QStringDecoder>

#include "engine/text.h"
#include "platform/disk_files.h"
#include "formats/archive_pages.h"

namespace orvik {

namespace {

bool IsWebScheme(const QUrl& url) { return url.scheme() == "http" || url.scheme() == "https"; }

bool IsArchiveScheme(const QString& scheme) {
    return scheme.compare("its", Qt::CaseInsensitive) == 0 || scheme.compare("ms-its", Qt::CaseInsensitive) == 0;
}

QUrl UrlOfAddress(const QString& address) {
    if (const auto archive = ParseArchiveAddress(address.toStdU16String()))
        return QUrl(QString::fromStdU16String(ArchiveAddressText(*archive)));
    // An "its:" address without a file or a page stays one: it shows the
    // no-data page instead of going to the desktop as a local file.
    const QUrl url(address);
    if (IsWebScheme(url) || IsArchiveScheme(url.scheme()) || url.scheme() == "file" || url.scheme() == "about")
        return url;
    return QUrl::fromLocalFile(address);
}

bool IsHtmlFile(const QUrl& url) {
    const QString suffix = QFileInfo(url.path()).suffix();
    return suffix.compare("htm", Qt::CaseInsensitive) == 0 || suffix.compare("html", Qt::CaseInsensitive) == 0;
}

// Dictionary pages are UTF-8. A local page is read in the character set it
// declares, else as UTF-8; bytes that are not text in that set (or a set
// Qt cannot read) are an 8-bit page, taken byte for byte.
QString PageText(const std::string& bytes, bool utf8) {
    const QByteArrayView data(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (utf8) return QString::fromUtf8(data);
    QStringDecoder decoder = QStringDecoder::decoderForHtml(data);
    if (decoder.isValid()) {
        QString text = decoder(data);
        if (!decoder.hasError()) return text;
    }
    return QString::fromLatin1(data);
}

}  // namespace

PageView::PageView(std::function<std::string()> currentDirectory, OpenElsewhere openElsewhere, QWidget* parent)
    : QTextBrowser(parent), currentDirectory_(std::move(currentDirectory)), openElsewhere_(std::move(openElsewhere)) {
    setContextMenuPolicy(Qt::NoContextMenu);
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) { OpenUrl(ResolveLink(source(), link)); });
}

void PageView::Open(const QString& address) {
    if (address.compare("about:blank", Qt::CaseInsensitive) == 0) {
        clear();
        return;
    }
    OpenUrl(UrlOfAddress(address));
}

void PageView::OpenUrl(const QUrl& url) {
    if (IsWebScheme(url) || (url.isLocalFile() && !IsHtmlFile(url))) {
        openElsewhere_(url);
        return;
    }
    // The page file keeps its name while its content changes: load it again.
    if (url == source()) reload();
    else setSource(url, QTextDocument::HtmlResource);
}

QUrl PageView::ResolveLink(const QUrl& base, const QUrl& link) {
    if (!link.isRelative()) return link;
    if (IsArchiveScheme(base.scheme()) && link.path().startsWith('/')) {
        const QString file = base.path().section("::", 0, 0);
        return QUrl(base.scheme() + ":" + file + "::" + link.path());
    }
    return base.resolved(link);
}

QVariant PageView::loadResource(int type, const QUrl& name) {
    const QUrl url = ResolveLink(source(), name);
    const QVariant page = PageOrNothing(type, url);
    if (page.isNull() && type == QTextDocument::HtmlResource)
        return QString::fromLatin1(kNoDataPage.data(), static_cast<qsizetype>(kNoDataPage.size()));
    return page;
}

QVariant PageView::PageOrNothing(int type, const QUrl& url) {
    FileBytes file;
    bool utf8 = false;
    if (IsArchiveScheme(url.scheme())) {
        const auto archive = ParseArchiveAddress(url.toString().toStdU16String());
        if (!archive) return {};
        file = ReadArchivePage(currentDirectory_(), *archive);
        utf8 = true;
    } else if (url.isLocalFile()) {
        file = ReadDiskFile(url.toLocalFile().toStdString());
    } else {
        return {};
    }
    if (!file.ok) return {};
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
        return PageText(file.bytes, utf8);
    return QByteArray(file.bytes.data(), static_cast<qsizetype>(file.bytes.size()));
}

}  // namespace orvik
