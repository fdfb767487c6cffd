#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <QString>
#include <functional>

class Brenak;
class ChartPanel;
class FloatingPanel;
class LayerTable;
class QLabel;
class QScrollArea;
class QToolBar;
struct Control;

// The main window: a view of the form model. Every control of the model has a
// widget of the same object name; Sync() mirrors the model into the widgets,
// and what the user does to a widget goes to the model as the user's action
// (a click, a leave, a keystroke, a selection), after which the window is
// brought up to date again.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(Brenak& app, QWidget* parent = nullptr);
  ~MainWindow() override;

  Brenak& App() const { return app_; }
  // The widget of a control of the model; null for a name the model lacks.
  QWidget* ControlWidget(const QString& name) const { return widgets_.value(name); }
  ChartPanel* Chart() const { return chart_; }

  // Mirrors the whole model: texts, visibility, enabled and read-only flags,
  // field states, rows, marks, caption colours, the chart.
  void Sync();

  // Shows an error that escaped a command; an error box unless replaced.
  std::function<void(const QString& text)> showError;

  // The size that shows everything without scrolling, bounded by `available`.
  // Meaningful once the window has been shown: only then do the layouts measure.
  QSize PreferredSize(const QSize& available) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* CreateWidget(const Control& control);
  void BuildToolbar();
  QWidget* BuildLeftColumn();
  QWidget* BuildInteriorPanel();
  QWidget* BuildExteriorPanel();
  LayerTable* BuildLayerTable();
  QWidget* BuildResults();
  QWidget* BuildEconomicPanel();
  void BuildChoosers(QWidget* area);
  void BuildWelcome();
  void BuildShortcuts();

  // Runs a user action on the model; an error it raises is shown in an error
  // box and the program goes on. The window is brought up to date afterwards.
  void Forward(const std::function<void()>& action);
  void ReportError(const QString& text);
  void ClickButton(const QString& name);
  void CloseTopOverlay();

  void SyncControl(const Control& control);
  void PlaceConditionFields();
  void PlaceOverlays();
  void ShowCovering(QWidget* overlay, bool shown);
  void PlaceChooser(FloatingPanel* panel, const QString& opener);
  QString ChooserOpener(const QString& panel) const;
  void ApplyTabOrder();

  // Looks a control's widget up and notes that the window's layout placed it.
  template <typename T = QWidget>
  T* Take(const QString& name);

  Brenak& app_;
  QHash<QString, QWidget*> widgets_;
  QSet<QString> placed_;
  QToolBar* toolbar_ = nullptr;
  QWidget* central_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  ChartPanel* chart_ = nullptr;
  LayerTable* layerTable_ = nullptr;
  QLabel* firstSurfaceCaption_ = nullptr;
  QLabel* lastSurfaceCaption_ = nullptr;
  QLabel* interiorTitle_ = nullptr;
  QList<FloatingPanel*> choosers_;
  QPointer<QWidget> focusBeforeCover_;
  bool syncing_ = false;
  bool tabOrderDirty_ = true;
  int forwarding_ = 0;
};
