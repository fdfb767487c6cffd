// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/LanguageMenu.h"

#include "app/Language.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QSettings>
#include <QToolButton>

void AttachLanguageMenu(QToolButton* button, QSettings* settings) {
  if (!button) return;
  auto* menu = new QMenu(button);
  menu->setObjectName(QStringLiteral("LanguageMenu"));
  menu->addSection(QCoreApplication::translate("LanguageMenu", "Idioma"));
  auto* group = new QActionGroup(menu);
  // Each language is named in itself, so a user who reads only one finds it.
  const struct {
    Language language;
    QString name;
  } choices[] = {{Language::Spanish, QStringLiteral("Español")}, {Language::English, QStringLiteral("English")}};
  for (const auto& choice : choices) {
    QAction* action = menu->addAction(choice.name);
    action->setCheckable(true);
    action->setChecked(choice.language == CurrentLanguage());
    action->setActionGroup(group);
    const Language language = choice.language;
    QObject::connect(action, &QAction::triggered, menu, [settings, language] {
      if (settings) SaveLanguageChoice(*settings, language);
    });
  }
  QAction* note = menu->addAction(
      QCoreApplication::translate("LanguageMenu", "El idioma elegido se aplica al volver a abrir el programa"));
  note->setEnabled(false);
  button->setMenu(menu);
  button->setPopupMode(QToolButton::MenuButtonPopup);
}
