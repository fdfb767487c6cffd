// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QSettings;
class QToolButton;

// The choice of the interface's language, as a menu on the toolbar button
// `button`: Español or English, the one in force checked. The choice is kept
// in `settings` and applies the next time the program opens, as the menu says.
void AttachLanguageMenu(QToolButton* button, QSettings* settings);
