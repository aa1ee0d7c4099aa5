#pragma once
// The pure rules of the Save button and its dialog.
#include <cstdint>
#include <string>
#include <string_view>

namespace tidemark {

// The results of the last save dialog, kept for the whole run.
struct SaveDialogResult {
    std::string SaveFileName;     // the chosen path, ending in ".bmp"
    bool SaveFileChosen = false;  // a file that may be written was chosen
    std::string SaveFileTitle;    // the file name the next dialog offers
    // Where the picture goes: SaveFileName, or the file a link of that name
    // leads to once the user agreed to overwrite it.
    std::string SaveWritePath;
};

// "Tidemark" + count + ".bmp".
std::string defaultSaveTitle(std::int16_t saveCount);

// An empty title, or one that starts with "tidemark" in any case, is replaced
// by the numbered default; a name of the user's own is offered again.
bool isReplaceableTitle(std::string_view title);

// Appends ".bmp" unless the name already ends in it, in any case:
// "graph" -> "graph.bmp", "graph.BMP" stays, "graph.jpg" -> "graph.jpg.bmp".
std::string withBmpExtension(std::string path);

// The part of the path after its last separator; empty when there is none.
std::string fileTitleOf(std::string_view path, char separator = '/');

}  // namespace tidemark
