// The folder list of the open-document panel: the folders from the root
// down to the folder shown, opened one inside the other, and the folders
// in it, read when it is shown. A click on a folder names it to the
// handler given.
#pragma once

#include <QTreeWidget>
#include <functional>

namespace orvik {

class FolderList : public QTreeWidget {
public:
    FolderList(std::function<void(const QString& folder)> chosen, QWidget* parent);

    // Reads the folder again only when it is another one than shown.
    void Show(const QString& folder);

private:
    QTreeWidgetItem* AddFolder(QTreeWidgetItem* parent, const QString& path, QStyle::StandardPixmap icon);

    QString shown_;
};

}  // namespace orvik
