#pragma once

// What a reader can ask the program for from its menus. The windows say
// which one was chosen; the registry carries it out.
enum class Command
{
    Contents,
    FontDialog,
    Find,
    PoemWindow,
    MailAuthors,
    About,
    SetBookmark,
    ShowBookmarks,
    Exit,
};
