#pragma once
// The program's own texts, letter for letter.
#include <string_view>

namespace hoardsort {

inline constexpr std::string_view kProgramTitle = "Hoardsort";
inline constexpr std::string_view kErrorTitle = "Error";

inline constexpr std::string_view kNoCacheIndex = "Couldn't locate 'cache.ini' in directory ";
inline constexpr std::string_view kSearchFirst = "You need to search for maps first!";
inline constexpr std::string_view kNoticeTitle = "Notice:";
inline constexpr std::string_view kNoticeText =
    "Be careful about moving downloaded KA system files into your installed KA system folder.\r\n"
    "System files can change and you may get a mismatch version error when connecting to a server.\r\n"
    "If this happens, simply rename (or delete) the mismatched file from your system folder\r\n"
    "and reconnect to the server.\r\n"
    "\r\n"
    "Are you sure you want to continue?";
inline constexpr std::string_view kFoldersMissing =
    "Starting folder or sub folders do not exist! Try selecting the 'Create Subdirectories' option\r\n"
    "or make sure the starting folder exists!";
inline constexpr std::string_view kDestinationInCache =
    "A destination folder is the cache folder or lies inside it! The cache is only read:\r\n"
    "choose destination folders outside of it.";
inline constexpr std::string_view kProcessing = "Processing ";

inline constexpr std::string_view kCancelQuestion = "This will cancel out of the program, are you sure?";
inline constexpr std::string_view kMissingFiles = "Missing file(s). Please reinstall again.";

inline constexpr std::string_view kCreateFolderTitle = "Folder Create";
inline constexpr std::string_view kCreateFolderPrompt = "Type in the folder name to create.";
inline constexpr std::string_view kNoSlashes = "Don't include slashes. Just type in the name of the folder to create.";
inline constexpr std::string_view kCreateFolderFailed = "Couldn't create folder. Folder may already exist.";

}  // namespace hoardsort
