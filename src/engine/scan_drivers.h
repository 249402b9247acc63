// The two drivers of a job: the flat scan of the source folder and the
// recursive walk of its tree. Each lets pending user events run before every
// file, handles the files in the order the system lists them, and reports
// completion in the caption and, where it has always done so or anything
// went wrong, in the prompt.
#pragma once

#include <string>

#include "job_context.h"

namespace vorlith {

// The extension searched for: the selected item's text, or for the custom
// item the custom box's text exactly as typed.
std::string ChooseExtension(const OrganizerOptions& options);

// Names, files and places one file: the per-file step of both drivers.
void ProcessFile(JobContext& job, const std::string& sourcePath, Driver driver);

// Handles the files of the extension in the source folder only.
void FlatScan(JobContext& job);

// Handles the files of `folder` (a "/" is appended when missing), then walks
// each of its subfolders the same way, depth first. Links to folders are not
// entered. Reports completion once, at the end of the whole walk.
void RecursiveWalk(JobContext& job, const std::string& folder);

// Runs the driver the subfolder choice asks for, as the confirm button does:
// FlatScan when "no" is checked, otherwise RecursiveWalk of the source with
// a "/" appended when missing.
void RunChosenDriver(JobContext& job);

}  // namespace vorlith
