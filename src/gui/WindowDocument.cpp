// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/WindowDocument.h"

#include "app/Brenak.h"
#include "app/ProjectCommands.h"
#include "app/ProjectHistory.h"
#include "app/StartUp.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QToolButton>
#include <QWidget>

void ShowDocumentTitle(QWidget* window, const WindowState& app) {
  const QString title = MainWindowTitle(app);
  if (window->windowTitle() != title) window->setWindowTitle(title);
  window->setWindowModified(app.modified);
}

void AttachRecentProjects(QToolButton* open, Brenak& app,
                          const std::function<void(const std::function<void()>& action)>& forward) {
  auto* menu = new QMenu(open);
  menu->setObjectName(QStringLiteral("RecentProjects"));
  menu->setToolTipsVisible(true);
  Brenak* program = &app;
  QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, program, forward] {
    menu->clear();
    const QStringList recent = RecentProjects(*program);
    if (recent.isEmpty()) {
      menu->addAction(QCoreApplication::translate("WindowDocument", "Sin proyectos recientes"))->setEnabled(false);
      return;
    }
    const QFontMetrics metrics(menu->font());
    for (int i = 0; i < recent.size(); ++i) {
      const QString path = recent[i];
      const QFileInfo file(path);
      // The name first; the folder, cut in the middle when long, tells two
      // projects of the same name apart.
      const QString folder = metrics.elidedText(QDir::toNativeSeparators(file.absolutePath()), Qt::ElideMiddle,
                                                metrics.horizontalAdvance(QLatin1Char('x')) * 48);
      QAction* action = menu->addAction(QStringLiteral("&%1  %2    %3").arg(i + 1).arg(file.fileName(), folder));
      action->setToolTip(QDir::toNativeSeparators(path));
      action->setData(path);
      QObject::connect(action, &QAction::triggered, menu,
                       [program, forward, path] { forward([program, path] { OpenRecentProject(*program, path); }); });
    }
  });
  open->setMenu(menu);
  open->setPopupMode(QToolButton::MenuButtonPopup);
}

void AttachSaveAs(QToolButton* save, QWidget* window, Brenak& app,
                  const std::function<void(const std::function<void()>& action)>& forward) {
  auto* saveAs = new QAction(QCoreApplication::translate("WindowDocument", "Guardar como…"), window);
  saveAs->setObjectName(QStringLiteral("GuardarComo"));
  saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  saveAs->setShortcutContext(Qt::WindowShortcut);
  window->addAction(saveAs);
  Brenak* program = &app;
  QObject::connect(saveAs, &QAction::triggered, window,
                   [program, forward] { forward([program] { SaveProjectAs(*program); }); });
  auto* menu = new QMenu(save);
  menu->addAction(saveAs);
  save->setMenu(menu);
  save->setPopupMode(QToolButton::MenuButtonPopup);
}

void SaveWindowPlace(const QWidget* window, QSettings* settings) {
  if (settings) settings->setValue(QLatin1String(kWindowPlaceKey), window->saveGeometry());
}

bool RestoreWindowPlace(QWidget* window, const QSettings* settings) {
  if (!settings) return false;
  const QByteArray kept = settings->value(QLatin1String(kWindowPlaceKey)).toByteArray();
  return !kept.isEmpty() && window->restoreGeometry(kept);
}

QRect FitFrameInto(const QRect& frame, const QRect& available) {
  QRect fitted(frame.topLeft(), frame.size().boundedTo(available.size()));
  if (fitted.right() > available.right()) fitted.moveRight(available.right());
  if (fitted.bottom() > available.bottom()) fitted.moveBottom(available.bottom());
  if (fitted.left() < available.left()) fitted.moveLeft(available.left());
  if (fitted.top() < available.top()) fitted.moveTop(available.top());
  return fitted;
}

void KeepOnScreen(QWidget* window) {
  if (window->isMaximized() || window->isFullScreen() || !window->screen()) return;
  const QRect frame = window->frameGeometry();
  const QRect fitted = FitFrameInto(frame, window->screen()->availableGeometry());
  if (fitted == frame) return;
  window->resize(fitted.size() - (frame.size() - window->size()));
  window->move(fitted.topLeft());
}

void FitToScreen(QWidget* window, const QSize& wanted) {
  const QRect available = window->screen()->availableGeometry();
  const QSize frame = window->frameGeometry().size() - window->size();
  if (wanted.width() + frame.width() > available.width() || wanted.height() + frame.height() > available.height()) {
    window->resize(available.size() - frame);
    window->showMaximized();
    return;
  }
  window->resize(wanted);
  window->move(available.center() - QPoint(wanted.width() + frame.width(), wanted.height() + frame.height()) / 2);
}
