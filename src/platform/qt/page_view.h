// The browser view of the windows: a QTextBrowser that opens the program's
// addresses itself. "about:blank" is an empty page; "its:FILE::/PATH" is a
// page of a compiled help file; http(s) addresses go to the desktop's
// browser; any other address is a local file, read as 8-bit text (the page
// file temp.htm holds its characters as numeric references). A page that
// cannot be opened shows the no-data page. Links resolve against the page
// they are on, through the same loader.
#pragma once

#include <QTextBrowser>
#include <functional>
#include <string>

namespace orvik {

class PageView : public QTextBrowser {
public:
    // `currentDirectory` gives the directory relative "its:" files are
    // looked for in.
    PageView(std::function<std::string()> currentDirectory, QWidget* parent = nullptr);

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
};

}  // namespace orvik
