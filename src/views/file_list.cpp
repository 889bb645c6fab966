#include "views/file_list.h"

#include <QDir>

namespace orvik {

FileList::FileList(Handler clicked, Handler doubleClicked, QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemClicked, this,
            [clicked = std::move(clicked)](QListWidgetItem* item) { clicked(item->text()); });
    connect(this, &QListWidget::itemDoubleClicked, this,
            [doubleClicked = std::move(doubleClicked)](QListWidgetItem* item) { doubleClicked(item->text()); });
}

void FileList::Show(const QString& folder, const QStringList& patterns) {
    if (folder == folder_ && patterns == patterns_) return;
    folder_ = folder;
    patterns_ = patterns;
    clear();
    addItems(QDir(folder).entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

}  // namespace orvik
