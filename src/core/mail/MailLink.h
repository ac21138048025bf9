#pragma once

#include <QString>

namespace platform {
class Platform;
}

// The letter to the authors: a new message in the reader's mail program,
// addressed to the first author with a blind copy to the second.
namespace mail {

// "Name <address>", as the mail program shows the recipient.
inline constexpr auto FirstAuthor = "Вера Листова <vera.listova@example.org>";
inline constexpr auto SecondAuthor = "Олег Перов <oleg.perov@example.org>";
inline constexpr auto Subject = "Арвий Квиллборн (Программа Бэта 3)";

// The mailto link: first author, then BCC, then Subject. Every character
// outside the unreserved set is percent-encoded as UTF-8, so the names,
// the angle brackets and the Cyrillic subject reach any mail program
// intact, whatever the locale.
QString mailLink();

// Opens the letter; the program keeps nothing of it.
void mmail_Click(platform::Platform &os);

} // namespace mail
