#pragma once

// What a reader can ask the program for from its menus. The windows say
// which one was chosen; the registry carries it out.
enum class Command
{
    Contents,
    FontDialog,      // modeless, from the menu bar
    FontDialogModal, // from the context menu
    Find,
    PoemWindow,      // modeless, from the menu bar
    PoemDialogModal, // from the context menu
    LanguageChooser,
    MailAuthors,
    About,
    SetBookmark,
    ShowBookmarks,
    Exit,
};
