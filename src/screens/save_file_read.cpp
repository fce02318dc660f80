#include "screens/save_file_read.h"

#include <iostream>

FileRead ReadSaveFile(const std::string& path) {
    FileRead file = ReadFileBounded(path, kSaveFileMaxBytes);
    if (file.status == FileRead::Status::Failed) {
        std::cerr << "bubblehive: cannot read " << path << ": " << file.error
                  << "; it is kept as it is and not saved over in this run\n";
    } else if (file.cut) {
        std::cerr << "bubblehive: " << path << " is longer than " << kSaveFileMaxBytes
                  << " bytes; only its start is read\n";
    }
    return file;
}
