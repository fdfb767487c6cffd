// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/InstallationWindow.h"

#include "app/Brenak.h"
#include "app/InstallationCaseLink.h"
#include "app/InstallationCommands.h"
#include "app/InstallationSession.h"
#include "app/InstallationTableModel.h"
#include "gui/InstallationDelegate.h"
#include "gui/InstallationPanels.h"
#include "gui/WindowDocument.h"
#include "gui/WindowToolbar.h"
#include "installation/RowCase.h"
#include "report/ReportCommand.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <set>

namespace {

// Where the window's place and size are kept among the user's preferences.
const QString kPlaceKey = QStringLiteral("instalacion/ventana");

}  // namespace

InstallationWindow::InstallationWindow(Brenak& app, QWidget* parent)
    : QMainWindow(parent),
      app_(app),
      session_(new InstallationSession(app, this)),
      model_(new InstallationTableModel(*session_, this)) {
  setObjectName(QStringLiteral("FInstalacion"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/instalacion.svg")));
  copyText = [](const QString& text) { QApplication::clipboard()->setText(text); };

  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("InstallationArea"));
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(4, 4, 4, 0);

  // Which case of the installation the main window holds, and the way back.
  linkBar_ = new QFrame(central);
  linkBar_->setObjectName(QStringLiteral("InstEnlace"));
  linkBar_->setFrameShape(QFrame::StyledPanel);
  linkBar_->setStyleSheet(QStringLiteral("#InstEnlace { background: #fff3c4; }"));
  auto* linkLayout = new QHBoxLayout(linkBar_);
  linkLayout->setContentsMargins(6, 2, 6, 2);
  linkText_ = new QLabel(linkBar_);
  linkText_->setObjectName(QStringLiteral("InstEnlaceTexto"));
  linkText_->setTextFormat(Qt::PlainText);
  bringBack_ = new QPushButton(QCoreApplication::translate("InstallationWindow", "Traer los cambios"), linkBar_);
  bringBack_->setObjectName(QStringLiteral("InstTraer"));
  bringBack_->setToolTip(
      QCoreApplication::translate("InstallationWindow", "Tomar el caso de la ventana principal tal como está ahora"));
  auto* forget = new QPushButton(QCoreApplication::translate("InstallationWindow", "Olvidar"), linkBar_);
  forget->setObjectName(QStringLiteral("InstOlvidar"));
  forget->setToolTip(
      QCoreApplication::translate("InstallationWindow", "Dejar el caso en la ventana principal sin traerlo"));
  linkLayout->addWidget(linkText_, 1);
  linkLayout->addWidget(bringBack_);
  linkLayout->addWidget(forget);
  linkBar_->hide();
  connect(bringBack_, &QPushButton::clicked, this, [this] { BringBackFromMainWindow(*session_); });
  connect(forget, &QPushButton::clicked, this, [this] { DropMainWindowLink(*session_); });
  layout->addWidget(linkBar_);

  auto* splitter = new QSplitter(Qt::Vertical, central);
  splitter->setObjectName(QStringLiteral("InstDivisor"));
  table_ = new QTableView(splitter);
  table_->setObjectName(QStringLiteral("InstTabla"));
  table_->setModel(model_);
  table_->setItemDelegate(new InstallationDelegate(table_));
  table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
  table_->setSelectionBehavior(QAbstractItemView::SelectItems);
  table_->setAlternatingRowColors(false);
  table_->setWordWrap(false);
  table_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  panels_ = new InstallationPanels(*session_, splitter);
  panels_->copyText = [this](const QString& text) {
    if (copyText) copyText(text);
  };
  panels_->rowChosen = [this](int row) { ChooseRow(row); };
  splitter->addWidget(table_);
  splitter->addWidget(panels_);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 0);
  splitter->setChildrenCollapsible(false);
  // The pages start at the height of the totals' data (five fields), so that
  // the table shows as many rows as it can; the divider moves them.
  const int line = fontMetrics().height();
  splitter->setSizes({40 * line, 17 * line});
  layout->addWidget(splitter, 1);
  setCentralWidget(central);

  counts_ = new QLabel(this);
  counts_->setObjectName(QStringLiteral("InstCuenta"));
  statusBar()->addWidget(counts_, 1);
  statusBar()->setSizeGripEnabled(true);

  BuildCommands();

  connect(session_, &InstallationSession::stateChanged, this, &InstallationWindow::ShowState);
  connect(session_, &InstallationSession::totalsChanged, this, &InstallationWindow::ShowCounts);
  connect(session_, &InstallationSession::reset, this, &InstallationWindow::FitColumns);
  connect(session_, &InstallationSession::inserted, this, [this] {
    // A pipe list imported into an empty table sets the columns' widths.
    if (session_->RowCount() <= 1000) FitColumns();
  });
  ShowState();
  ShowCounts();
  FitColumns();
}

InstallationWindow::~InstallationWindow() = default;

void InstallationWindow::AskAndTellHere() {
  messages_.SetWindow(this);
  dialogs_ = std::make_unique<WidgetFileDialogs>(this);
  session_->UseDialogs(dialogs_.get(), &messages_);
}

QAction* InstallationWindow::AddCommand(const QString& name, const QString& text, const QString& tip,
                                        const QKeySequence& key, const std::function<void()>& run) {
  auto* action = new QAction(text, this);
  action->setObjectName(name);
  action->setToolTip(ToolTipWithKey(tip, key));
  if (!key.isEmpty()) {
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
  }
  connect(action, &QAction::triggered, this, [run] { run(); });
  commands_.push_back(action);
  return action;
}

QAction* InstallationWindow::Command(const QString& name) const {
  for (QAction* action : commands_)
    if (action->objectName() == name) return action;
  return nullptr;
}

void InstallationWindow::BuildCommands() {
  auto* toolbar = new QToolBar(QCoreApplication::translate("InstallationWindow", "Órdenes de la instalación"), this);
  toolbar->setObjectName(QStringLiteral("InstOrdenes"));
  toolbar->setMovable(false);
  toolbar->setFloatable(false);
  toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
  InstallationSession& s = *session_;
  const auto add = [&](const char* name, const char* text, const char* tip, const QKeySequence& key,
                       const std::function<void()>& run) {
    toolbar->addAction(AddCommand(QString::fromLatin1(name), QCoreApplication::translate("InstallationWindow", text),
                                  QCoreApplication::translate("InstallationWindow", tip), key, run));
  };
  add("InstNueva", QT_TRANSLATE_NOOP("InstallationWindow", "Nueva"),
      QT_TRANSLATE_NOOP("InstallationWindow", "Empezar una instalación vacía"), QKeySequence(Qt::CTRL | Qt::Key_N),
      [&s] { NewInstallation(s); });
  add("InstAbrir", QT_TRANSLATE_NOOP("InstallationWindow", "Abrir"),
      QT_TRANSLATE_NOOP("InstallationWindow", "Abrir una instalación guardada"), QKeySequence(Qt::CTRL | Qt::Key_O),
      [&s] { OpenInstallation(s); });
  add("InstGuardar", QT_TRANSLATE_NOOP("InstallationWindow", "Guardar"),
      QT_TRANSLATE_NOOP("InstallationWindow", "Guardar la instalación"), QKeySequence(Qt::CTRL | Qt::Key_S),
      [&s] { SaveInstallation(s); });
  // "Guardar como…" on the arrow of "Guardar", as on the main window.
  QAction* saveAs =
      AddCommand(QStringLiteral("InstGuardarComo"), QCoreApplication::translate("InstallationWindow", "Guardar como…"),
                 QCoreApplication::translate("InstallationWindow", "Guardar la instalación con otro nombre"),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [&s] { SaveInstallationAs(s); });
  addAction(saveAs);
  if (auto* save = qobject_cast<QToolButton*>(toolbar->widgetForAction(Command(QStringLiteral("InstGuardar"))))) {
    auto* menu = new QMenu(save);
    menu->addAction(saveAs);
    save->setMenu(menu);
    save->setPopupMode(QToolButton::MenuButtonPopup);
  }
  toolbar->addSeparator();
  add("InstAnadir", QT_TRANSLATE_NOOP("InstallationWindow", "Añadir"),
      QT_TRANSLATE_NOOP("InstallationWindow",
                        "Añadir un tramo tras la fila actual, con sus mismos datos salvo la referencia "
                        "y la longitud"),
      QKeySequence(Qt::Key_Insert), [this] { AddRow(); });
  add("InstDuplicar", QT_TRANSLATE_NOOP("InstallationWindow", "Duplicar"),
      QT_TRANSLATE_NOOP("InstallationWindow", "Duplicar los tramos elegidos"), QKeySequence(Qt::CTRL | Qt::Key_D),
      [this] { DuplicateRows(); });
  add("InstEliminar", QT_TRANSLATE_NOOP("InstallationWindow", "Eliminar"),
      QT_TRANSLATE_NOOP("InstallationWindow", "Eliminar los tramos elegidos"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
      [this] { RemoveSelectedRows(); });
  toolbar->addSeparator();
  add("InstImportar", QT_TRANSLATE_NOOP("InstallationWindow", "Importar CSV"),
      QT_TRANSLATE_NOOP("InstallationWindow", "Añadir los tramos de una lista CSV de hoja de cálculo"), {},
      [&s] { ImportSections(s); });
  add("InstExportar", QT_TRANSLATE_NOOP("InstallationWindow", "Exportar CSV"),
      QT_TRANSLATE_NOOP("InstallationWindow", "Guardar los tramos con sus resultados en un archivo CSV"), {},
      [&s] { ExportRows(s); });
  toolbar->addSeparator();
  add("InstPlantilla", QT_TRANSLATE_NOOP("InstallationWindow", "Editar plantilla"),
      QT_TRANSLATE_NOOP("InstallationWindow",
                        "Abrir en la ventana principal el caso plantilla, que da lo que las filas no dicen"),
      {}, [this] {
        if (EditTemplate(*session_) && showMainWindow) showMainWindow();
      });
  add("InstAbrirFila", QT_TRANSLATE_NOOP("InstallationWindow", "Abrir en la ventana principal"),
      QT_TRANSLATE_NOOP(
          "InstallationWindow",
          "Abrir la fila actual como caso completo en la ventana principal: todas sus cifras, la gráfica y el informe"),
      QKeySequence(Qt::CTRL | Qt::Key_Return), [this] {
        const QModelIndex current = table_->currentIndex();
        if (current.isValid() && OpenRowInMainWindow(*session_, current.row()) && showMainWindow) showMainWindow();
      });
  toolbar->addSeparator();
  add("InstImprimir", QT_TRANSLATE_NOOP("InstallationWindow", "Imprimir"),
      QT_TRANSLATE_NOOP("InstallationWindow", "Escribir la memoria técnica de la instalación y abrirla"),
      QKeySequence(Qt::CTRL | Qt::Key_P), [this] {
        DesktopReportService desktop;
        PrintInstallation(*session_, app_.report ? *app_.report : desktop);
      });
  add("InstPdf", QT_TRANSLATE_NOOP("InstallationWindow", "Exportar PDF"),
      QT_TRANSLATE_NOOP("InstallationWindow", "Guardar la memoria técnica como PDF"),
      QKeySequence(Qt::CTRL | Qt::Key_E), [&s] { ExportInstallationPdf(s); });
  addToolBar(Qt::TopToolBarArea, toolbar);

  // The rows' commands also on the table's own menu; a double click on a row's
  // number opens it in the main window.
  table_->setContextMenuPolicy(Qt::ActionsContextMenu);
  for (const char* name : {"InstAnadir", "InstDuplicar", "InstEliminar", "InstAbrirFila"})
    table_->addAction(Command(QString::fromLatin1(name)));
  connect(table_->verticalHeader(), &QHeaderView::sectionDoubleClicked, this, [this](int row) {
    table_->setCurrentIndex(model_->index(row, InstallationTableModel::Reference));
    Command(QStringLiteral("InstAbrirFila"))->trigger();
  });
  // What needs a row waits for one.
  const auto follow = [this] {
    const bool any = table_->currentIndex().isValid();
    for (const char* name : {"InstDuplicar", "InstEliminar", "InstAbrirFila"})
      Command(QString::fromLatin1(name))->setEnabled(any);
  };
  connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this, follow);
  connect(model_, &QAbstractItemModel::modelReset, this, follow);
  connect(model_, &QAbstractItemModel::rowsRemoved, this, follow);
  follow();
}

void InstallationWindow::ShowState() {
  setWindowTitle(session_->Title());
  setWindowModified(session_->Modified());
  const std::optional<MainWindowLink>& link = session_->Link();
  linkBar_->setVisible(link.has_value());
  if (!link) return;
  if (link->kind == MainWindowLink::Kind::Template) {
    linkText_->setText(
        QCoreApplication::translate("InstallationWindow", "La plantilla está abierta en la ventana principal."));
    bringBack_->setText(QCoreApplication::translate("InstallationWindow", "Traer los cambios a la plantilla"));
    return;
  }
  const QString reference = session_->Document().rows[static_cast<size_t>(link->row)].reference.trimmed();
  linkText_->setText(
      reference.isEmpty()
          ? QCoreApplication::translate("InstallationWindow", "La fila %1 está abierta en la ventana principal.")
                .arg(link->row + 1)
          : QCoreApplication::translate("InstallationWindow", "La fila %1 («%2») está abierta en la ventana principal.")
                .arg(link->row + 1)
                .arg(reference));
  bringBack_->setText(QCoreApplication::translate("InstallationWindow", "Traer los cambios a la fila"));
}

void InstallationWindow::ShowCounts() {
  const InstallationTotals& t = session_->Results().totals;
  const int rows = session_->RowCount();
  QString text = rows == 1 ? QCoreApplication::translate("InstallationWindow", "1 tramo")
                           : QCoreApplication::translate("InstallationWindow", "%1 tramos").arg(rows);
  if (t.rowsLeftOut == 1)
    text += QCoreApplication::translate(
        "InstallationWindow", " · 1 rechazado, fuera de los totales (marca roja; el motivo, al pasar el puntero)");
  else if (t.rowsLeftOut > 1)
    text +=
        QCoreApplication::translate(
            "InstallationWindow", " · %1 rechazados, fuera de los totales (marca roja; el motivo, al pasar el puntero)")
            .arg(t.rowsLeftOut);
  counts_->setText(text);
}

void InstallationWindow::FitColumns() {
  table_->resizeColumnsToContents();
  // A reference or a material as long as a sentence is cut rather than
  // widening the table past the window; it shows whole in its editor.
  const int widest = table_->fontMetrics().averageCharWidth() * 48;
  for (int c : {int(InstallationTableModel::Reference), int(InstallationTableModel::Material)})
    if (table_->columnWidth(c) > widest) table_->setColumnWidth(c, widest);
}

std::vector<int> InstallationWindow::SelectedRows() const {
  std::set<int> rows;
  for (const QModelIndex& index : table_->selectionModel()->selectedIndexes()) rows.insert(index.row());
  if (rows.empty() && table_->currentIndex().isValid()) rows.insert(table_->currentIndex().row());
  return {rows.begin(), rows.end()};
}

void InstallationWindow::AddRow() {
  const InstallationDocument& doc = session_->Document();
  const QModelIndex current = table_->currentIndex();
  const int after = current.isValid() ? current.row() : session_->RowCount() - 1;
  const InstallationRow* previous = after >= 0 ? &doc.rows[static_cast<size_t>(after)] : nullptr;
  session_->InsertRows(after + 1, {NextRow(previous)});
  const QModelIndex added = model_->index(after + 1, InstallationTableModel::Reference);
  table_->setCurrentIndex(added);
  table_->scrollTo(added);
  table_->edit(added);
}

void InstallationWindow::DuplicateRows() {
  const std::vector<int> rows = SelectedRows();
  if (rows.empty()) return;
  std::vector<InstallationRow> copies;
  for (int r : rows) copies.push_back(session_->Document().rows[static_cast<size_t>(r)]);
  session_->InsertRows(rows.back() + 1, copies);
}

void InstallationWindow::RemoveSelectedRows() {
  const std::vector<int> rows = SelectedRows();
  // From the last, so that the indices before stay.
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) session_->RemoveRows(*it, 1);
}

void InstallationWindow::ChooseRow(int row) {
  if (row < 0 || row >= session_->RowCount()) return;
  const QModelIndex index = model_->index(row, InstallationTableModel::Thickness);
  table_->setCurrentIndex(index);
  table_->scrollTo(index);
  table_->setFocus(Qt::OtherFocusReason);
}

void InstallationWindow::ShowOnScreen() {
  if (!isVisible()) {
    // Where the user left it last time; the first time, as large as a
    // 1366×768 screen allows.
    const QByteArray kept = app_.settings ? app_.settings->value(kPlaceKey).toByteArray() : QByteArray();
    if (kept.isEmpty() || !restoreGeometry(kept)) {
      const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
      const QSize available = screen ? screen->availableGeometry().size() : QSize(1366, 740);
      resize(QSize(1366, 740).boundedTo(available));
    }
    show();
    KeepOnScreen(this);
  }
  raise();
  activateWindow();
}

void InstallationWindow::closeEvent(QCloseEvent* event) {
  if (!ConfirmLeaveInstallation(*session_)) {
    event->ignore();
    return;
  }
  if (app_.settings) app_.settings->setValue(kPlaceKey, saveGeometry());
  // The next opening starts a new document.
  session_->Replace(NewInstallationDocument(), QString(), false);
  QMainWindow::closeEvent(event);
}
