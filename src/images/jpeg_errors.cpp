// The JPEG decoder's fatal-error exit; see jpeg_errors.h.
#include "images/jpeg_errors.h"

namespace {

[[noreturn]] void exitToDecoder(j_common_ptr info) {
    auto* record = reinterpret_cast<JpegErrorManager*>(info->err);
    record->pub.format_message(info, record->message);
    std::longjmp(record->jumpTarget, 1);
}

} // namespace

jpeg_error_mgr* jpegErrorManager(JpegErrorManager& record) {
    jpeg_std_error(&record.pub);
    record.pub.error_exit = exitToDecoder;
    record.message[0] = '\0';
    return &record.pub;
}
