// The file list of the open-document panel: the files of a folder whose
// names match any of the patterns, read when the folder or the patterns
// change. A click and a double click on a file name it to the handlers
// given.
#pragma once

#include <QListWidget>
#include <functional>

namespace orvik {

class FileList : public QListWidget {
public:
    using Handler = std::function<void(const QString& fileName)>;

    FileList(Handler clicked, Handler doubleClicked, QWidget* parent);

    void Show(const QString& folder, const QStringList& patterns);

private:
    QString folder_;
    QStringList patterns_;
};

}  // namespace orvik
