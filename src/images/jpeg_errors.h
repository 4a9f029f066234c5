// The JPEG decoder's error record: libjpeg's standard error manager whose fatal-error exit
// writes libjpeg's formatted message into the record and jumps back to the decoder's jump
// target instead of ending the program. Warnings keep libjpeg's standard treatment.
#pragma once

#include <csetjmp>
#include <cstdio> // jpeglib.h needs size_t and FILE declared first

#include <jpeglib.h>

struct JpegErrorManager {
    jpeg_error_mgr pub;            // first, so libjpeg's pointer to it is a pointer to the whole
    char message[JMSG_LENGTH_MAX]; // the fatal error's text; empty until one happens
    std::jmp_buf jumpTarget;
};

// Sets the record up; returns the manager to store in the decompressor's err field. The
// caller must setjmp(record.jumpTarget) before any libjpeg call that can fail.
jpeg_error_mgr* jpegErrorManager(JpegErrorManager& record);
