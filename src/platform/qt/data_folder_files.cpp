#include "platform/qt/data_folder_files.h"

#include <iostream>

#include "platform/disk_files.h"

namespace orvik {

FileBytes DataFolderFiles::ReadFile(const std::string& path) { return ReadDiskFile(path); }

bool DataFolderFiles::WriteFile(const std::string& path, std::string_view bytes) {
    return WriteDiskFile(path, bytes);
}

bool DataFolderFiles::RenameFile(const std::string& from, const std::string& to) {
    return RenameDiskFile(from, to);
}

bool DataFolderFiles::DeleteFile(const std::string& path) { return DeleteDiskFile(path); }

void DataFolderFiles::LogLine(std::string_view line) { std::cerr << "orvik2004: " << line << '\n'; }

}  // namespace orvik
