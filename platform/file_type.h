#pragma once
// A document type the program registers. Converting it to text registers it once and gives
// its name.
#include "platform/types.h"

#include <vector>

namespace platform {

class FileType {
public:
    String Name, Extensions, MacType, MacCreator, MimeType, ConformsTo, UTI;
    bool Imported = false;

    operator String();
};

// Every file type registered so far, in order.
const std::vector<const FileType*>& RegisteredFileTypes();

} // namespace platform
