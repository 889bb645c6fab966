// The browser view of the windows: a QTextBrowser that opens the program's
// addresses itself. "about:blank" is an empty page; "its:FILE::/PATH" is a
// page of a compiled help file; any other address is a local file. A local
// HTML page (".htm", ".html") is read in the character set it declares,
// else as UTF-8, and as 8-bit text when its bytes are neither (a page in
// one of the 8-bit Vietnamese fonts; the page file temp.htm holds its
// characters as numeric references). Web addresses and local documents of
// other kinds (".rtf", ".doc", pictures) are handed to the desktop's
// default application. A page that cannot be opened shows the no-data
// page. Links resolve against the page they are on, through the same
// loader.
#pragma once

#include <QTextBrowser>
#include <functional>
#include <string>

namespace orvik {

class PageView : public QTextBrowser {
public:
    using OpenElsewhere = std::function<void(const QUrl&)>;
    // `currentDirectory` gives the directory relative "its:" files are
    // looked for in; `openElsewhere` hands an address to the desktop.
    PageView(std::function<std::string()> currentDirectory, OpenElsewhere openElsewhere, QWidget* parent = nullptr);

    void Open(const QString& address);

    // A link on the page at `base`: absolute links as they are; a path from
    // the root of a compiled help file stays in that file.
    static QUrl ResolveLink(const QUrl& base, const QUrl& link);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void OpenUrl(const QUrl& url);
    QVariant PageOrNothing(int type, const QUrl& url);

    std::function<std::string()> currentDirectory_;
    OpenElsewhere openElsewhere_;
};

}  // namespace orvik
