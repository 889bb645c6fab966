#include "views/folder_list.h"

#include <QDir>

namespace orvik {

FolderList::FolderList(std::function<void(const QString& folder)> chosen, QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    connect(this, &QTreeWidget::itemClicked, this,
            [chosen = std::move(chosen)](QTreeWidgetItem* item) { chosen(item->data(0, Qt::UserRole).toString()); });
}

void FolderList::Show(const QString& folder) {
    if (folder == shown_) return;
    shown_ = folder;
    clear();
    QStringList chain;
    QDir up(folder);
    chain.prepend(up.absolutePath());
    while (up.cdUp()) chain.prepend(up.absolutePath());
    QTreeWidgetItem* item = nullptr;
    for (const QString& path : chain) item = AddFolder(item, path, QStyle::SP_DirOpenIcon);
    const QDir shown(folder);
    for (const QString& name : shown.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        AddFolder(item, shown.filePath(name), QStyle::SP_DirClosedIcon);
    expandAll();
    setCurrentItem(item);
    scrollToItem(item);
}

QTreeWidgetItem* FolderList::AddFolder(QTreeWidgetItem* parent, const QString& path, QStyle::StandardPixmap icon) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    const QString name = QDir(path).dirName();
    item->setText(0, name.isEmpty() ? path : name);
    item->setIcon(0, style()->standardIcon(icon));
    item->setData(0, Qt::UserRole, path);
    return item;
}

}  // namespace orvik
