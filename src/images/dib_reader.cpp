// The DIB file loader: maps the file, decodes it and shows the failure to the player. Every
// message is captioned "Error"; one call shows at most one.
#include "images/dib_reader.h"

#include "images/mapped_file.h"
#include "platform/system.h"

#include <string>

std::optional<Picture> loadDibImage(const char* fileName) {
    const MappedFile file(fileName);
    if (!file.isOpen()) {
        // The text keeps its trailing newline: it is the game's message as written.
        const std::string text = std::string("Failed to open DIB file ") + fileName + ".\n";
        platform::MessageBox(text.c_str(), "Error");
        return std::nullopt;
    }
    PictureReading reading = decodeDibImage(file.bytes());
    if (!reading.picture)
        platform::MessageBox(reading.failure.c_str(), "Error");
    return std::move(reading.picture);
}
