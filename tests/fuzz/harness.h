// What the fuzz targets share: one form, built once, on the virtual clock
// with the recording sound device and scripted dialogs, in a temporary
// working folder with dat, edit and record. Each input then only writes the
// file under test and drives the form.
#pragma once

#include <cstddef>
#include <cstdint>

#include "app/TForm1.h"

// The form, created and through window creation at the first call.
TForm1& fuzzForm();

// Writes the bytes as the file at `path` (relative to the working folder).
void writeInput(const char* path, const uint8_t* data, size_t size);

// Runs the frame handler until it removes itself, at most `frames` calls,
// with the clock jumping far enough each time that every call does a step.
// False when the handler was still installed after them.
bool runFrames(int frames);

// Forgets the media commands and dialog lines sent so far.
void dropRecords();
