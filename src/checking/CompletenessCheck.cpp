#include "checking/CompletenessCheck.h"

#include "form/WindowState.h"

namespace {

// When an empty field counts as missing.
enum class Need {
  Shown,               // the field's own flag is set
  ShownNotComputed,    // shown, and the system does not fill it in
  EnteredShown,        // shown and in the entered state
  InPanel,             // the named panel and the field itself are shown
  GroupShown,          // the named group is shown (the field's own flag is not looked at)
};

struct Check {
  QString field;
  Need need;
  QString panel;
  QString message;
};

const std::vector<Check>& Checks() {
  static const std::vector<Check> checks = [] {
    std::vector<Check> c;
    auto add = [&c](const char* field, Need need, const char* message, const char* panel = "") {
      c.push_back({QString::fromLatin1(field), need, QString::fromLatin1(panel), QString::fromUtf8(message)});
    };
    add("EditTi", Need::Shown, "Falta especificar la temperatura interior");
    add("EditFiI", Need::Shown, "Falta especificar la humedad relativa interior");
    add("EditCoefInt", Need::ShownNotComputed, "Falta especificar el coeficiente de convección interior");
    add("Editr0", Need::Shown, "Falta especificar el radio interior");

    static const char* const ordinals[] = {"primera", "segunda", "tercera", "cuarta", "quinta", "sexta"};
    for (int n = 1; n <= 6; ++n) {
      const QString row = QString::number(n);
      const QString ordinal = QString::fromLatin1(ordinals[n - 1]);
      c.push_back({"Edit" + row + "e", Need::EnteredShown, {},
                   "Falta especificar el espesor de la " + ordinal + " capa"});
      c.push_back({"Edit" + row + "k", Need::EnteredShown, {},
                   "Falta especificar la conductividad de la " + ordinal + " capa"});
      c.push_back({"Edit" + row + "RT", Need::EnteredShown, {},
                   QString::fromUtf8("Falta especificar la resistencia térmica de la ") + ordinal + " capa"});
      c.push_back({"Editrv" + row, Need::EnteredShown, {},
                   "Falta especificar la resistividad al vapor de la " + ordinal + " capa"});
    }

    add("EditeCaja", Need::EnteredShown, "Falta especificar la dimensión de la caja");
    add("EditkCaja", Need::EnteredShown, "Falta especificar la conductividad del material de la caja");
    add("EditRTCaja", Need::EnteredShown, "Falta especificar la resistencia térmica de la caja");
    add("EditTe", Need::InPanel, "Falta especificar la temperatura exterior", "PanelExterior");
    add("EditFiE", Need::InPanel, "Falta especificar la humedad relativa exterior", "PanelExterior");
    add("EditCoefext", Need::ShownNotComputed, "Falta especificar el coeficiente de convección exterior");
    add("EditTsuelo", Need::InPanel, "Falta especificar la temperatura del suelo", "PanelTerreno");
    add("EditCondicionQ", Need::InPanel, "Falta especificar el flujo de calor que se desea transferir",
        "PanelCondicion");
    add("EditCondicionPor", Need::InPanel,
        "Falta especificar el porcentaje de calor (sobre la superficie desnuda) que se desea transferir",
        "PanelCondicion");
    add("EditCondicionTe", Need::InPanel, "Falta especificar la temperatura superficial exterior que se desea",
        "PanelCondicion");
    add("EditCondicionTi", Need::InPanel, "Falta especificar la temperatura superficial interior que se desea",
        "PanelCondicion");
    add("EditInf", Need::GroupShown, "Falta especificar la inflación del combustible", "GroupBoxEco");
    add("EditOpor", Need::GroupShown, "Falta especificar el coste de oportunidad del dinero", "GroupBoxEco");
    add("EditNa", Need::GroupShown, "Falta especificar los años de vida de la instalación", "GroupBoxEco");
    add("EditNh", Need::GroupShown, "Falta especificar el nº de horas de funcionamiento al año", "GroupBoxEco");
    add("EditCET", Need::GroupShown, "Falta especificar el coste de la energía térmica", "GroupBoxEco");
    add("EditCI1", Need::GroupShown, "Falta especificar el coste para el espesor 1", "GroupBoxEco");
    add("EditCI2", Need::GroupShown, "Falta especificar el coste para el espesor 2", "GroupBoxEco");
    add("EditEsp1", Need::GroupShown, "Falta especificar el espesor 1 (del coste)", "GroupBoxEco");
    add("EditEsp2", Need::GroupShown, "Falta especificar el espesor 2 (del coste)", "GroupBoxEco");
    add("EditLongitud", Need::Shown, "Falta especificar la longitud");
    add("EditAnchura", Need::Shown, "Falta especificar la anchura del conducto");
    add("EditAlthi", Need::Shown, "Falta especificar la altura del conducto");
    add("Editemisionhi", Need::Shown, "Falta especificar la emisividad interior");
    add("Editvelhi", Need::Shown, "Falta especificar la velocidad del interior");
    add("EditAlthe", Need::Shown, "Falta especificar la altura del exterior");
    add("Editemisionhe", Need::Shown, "Falta especificar la emisividad exterior");
    add("Editvelhe", Need::Shown, "Falta especificar la velocidad del exterior");
    add("EditDensidad", Need::Shown, "Falta especificar la densidad del terreno");
    add("EditHumedad", Need::Shown, "Falta especificar la humedad del terreno");
    add("EditkTerreno", Need::ShownNotComputed, "Falta especificar la conductividad del terreno");
    add("EditProfundidad", Need::Shown, "Falta especificar la profundidad de la tubería en el terreno");
    return c;
  }();
  return checks;
}

bool Needed(const Form& form, const Check& check) {
  switch (check.need) {
    case Need::Shown: return form.Visible(check.field);
    case Need::ShownNotComputed: return form.Visible(check.field) && !form.IsComputed(check.field);
    case Need::EnteredShown: return form.Visible(check.field) && form.IsEntered(check.field);
    case Need::InPanel: return form.Visible(check.panel) && form.Visible(check.field);
    case Need::GroupShown: return form.Visible(check.panel);
  }
  return false;
}

// A row in use (its name shown) that carries the insulation mark.
bool InsulationLayerMarked(const Form& form) {
  for (int n = 1; n <= 6; ++n) {
    const QString row = QString::number(n);
    if (form.Visible("ENombre" + row) && form.Checked("RBAislante" + row)) return true;
  }
  return false;
}

// The mark of the first row in use, where the insulation layer is marked.
QString FirstLayerMark(const Form& form) {
  for (int n = 1; n <= 6; ++n)
    if (form.Visible("ENombre" + QString::number(n)) && form.Visible("RBAislante" + QString::number(n)))
      return "RBAislante" + QString::number(n);
  return QStringLiteral("RBAislante1");
}

}  // namespace

bool CheckInputsComplete(WindowState& app) {
  // The first input missing gets the focus, for the user to fill it in first.
  QString first;
  for (const Check& check : Checks()) {
    if (!app.form.Text(check.field).isEmpty() || !Needed(app.form, check)) continue;
    ShowWarning(app.messages, MessageId::MissingInput, check.message);
    if (first.isEmpty()) first = check.field;
  }
  if (app.ThicknessTarget() && !InsulationLayerMarked(app.form)) {
    ShowWarning(app.messages, MessageId::MissingInsulationLayer,
                QStringLiteral("Falta especificar la capa de aislamiento"));
    if (first.isEmpty()) first = FirstLayerMark(app.form);
  }
  if (!first.isEmpty()) app.form.RequestFocus(first);
  return first.isEmpty();
}
