// The DIB file loader: maps the file, decodes it and turns a failure into the player's
// message. Every message is captioned "Error"; one call shows at most one.
#include "images/dib_image.h"

#include "images/mapped_file.h"
#include "platform/system.h"

#include <cstdlib>
#include <string>

namespace {

const char* messageFor(DibError error) {
    switch (error) {
    case DibError::UnknownFormat:
        return "Unknown DIB file format.";
    case DibError::OutOfMemory:
        return "Out of memory.";
    case DibError::ConversionError:
        return "Image file conversion error.";
    case DibError::None:
        break;
    }
    return nullptr;
}

} // namespace

DibImage* loadDibImage(const char* fileName) {
    const MappedFile file(fileName);
    if (!file.isOpen()) {
        // The text keeps its trailing newline: it is the game's message as written.
        const std::string text = std::string("Failed to open DIB file ") + fileName + ".\n";
        platform::MessageBox(text.c_str(), "Error");
        return nullptr;
    }
    DibImage* image = nullptr;
    const DibError error = decodeDibImage(file.bytes(), &image);
    if (error != DibError::None)
        platform::MessageBox(messageFor(error), "Error");
    return image;
}

void freeDibImage(DibImage* image) {
    if (!image)
        return;
    std::free(image->pixels);
    std::free(image);
}
