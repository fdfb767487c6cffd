<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>CaseCheck</name>
    <message>
        <source>Falta especificar la temperatura interior</source>
        <translation>The inside temperature is missing</translation>
    </message>
    <message>
        <source>Falta especificar la humedad relativa interior</source>
        <translation>The inside relative humidity is missing</translation>
    </message>
    <message>
        <source>Falta especificar el coeficiente de convección interior</source>
        <translation>The inside surface coefficient is missing</translation>
    </message>
    <message>
        <source>Falta especificar el radio interior</source>
        <translation>The inside radius is missing</translation>
    </message>
    <message>
        <source>primera</source>
        <translation>first</translation>
    </message>
    <message>
        <source>segunda</source>
        <translation>second</translation>
    </message>
    <message>
        <source>tercera</source>
        <translation>third</translation>
    </message>
    <message>
        <source>cuarta</source>
        <translation>fourth</translation>
    </message>
    <message>
        <source>quinta</source>
        <translation>fifth</translation>
    </message>
    <message>
        <source>sexta</source>
        <translation>sixth</translation>
    </message>
    <message>
        <source>Falta especificar el espesor de la %1 capa</source>
        <translation>The thickness of the %1 layer is missing</translation>
    </message>
    <message>
        <source>Falta especificar la conductividad de la %1 capa</source>
        <translation>The conductivity of the %1 layer is missing</translation>
    </message>
    <message>
        <source>Falta especificar la resistencia térmica de la %1 capa</source>
        <translation>The thermal resistance of the %1 layer is missing</translation>
    </message>
    <message>
        <source>Falta especificar la resistividad al vapor de la %1 capa</source>
        <translation>The water-vapour resistivity of the %1 layer is missing</translation>
    </message>
    <message>
        <source>Falta especificar la dimensión de la caja</source>
        <translation>The size of the casing is missing</translation>
    </message>
    <message>
        <source>Falta especificar la conductividad del material de la caja</source>
        <translation>The conductivity of the casing material is missing</translation>
    </message>
    <message>
        <source>Falta especificar la resistencia térmica de la caja</source>
        <translation>The thermal resistance of the casing is missing</translation>
    </message>
    <message>
        <source>Falta especificar la temperatura exterior</source>
        <translation>The outside temperature is missing</translation>
    </message>
    <message>
        <source>Falta especificar la humedad relativa exterior</source>
        <translation>The outside relative humidity is missing</translation>
    </message>
    <message>
        <source>Falta especificar el coeficiente de convección exterior</source>
        <translation>The outside surface coefficient is missing</translation>
    </message>
    <message>
        <source>Falta especificar la temperatura del suelo</source>
        <translation>The ground temperature is missing</translation>
    </message>
    <message>
        <source>Falta especificar el flujo de calor que se desea transferir</source>
        <translation>The wanted heat flux is missing</translation>
    </message>
    <message>
        <source>Falta especificar el porcentaje de calor (sobre la superficie desnuda) que se desea transferir</source>
        <translation>The wanted percentage of heat loss (of the bare surface&apos;s) is missing</translation>
    </message>
    <message>
        <source>Falta especificar la temperatura superficial exterior que se desea</source>
        <translation>The wanted outer surface temperature is missing</translation>
    </message>
    <message>
        <source>Falta especificar la temperatura superficial interior que se desea</source>
        <translation>The wanted inner surface temperature is missing</translation>
    </message>
    <message>
        <source>Falta especificar la inflación del combustible</source>
        <translation>The fuel inflation is missing</translation>
    </message>
    <message>
        <source>Falta especificar el coste de oportunidad del dinero</source>
        <translation>The cost of capital is missing</translation>
    </message>
    <message>
        <source>Falta especificar los años de vida de la instalación</source>
        <translation>The service life of the installation is missing</translation>
    </message>
    <message>
        <source>Falta especificar el nº de horas de funcionamiento al año</source>
        <translation>The operating hours per year are missing</translation>
    </message>
    <message>
        <source>Falta especificar el coste de la energía térmica</source>
        <translation>The cost of heat energy is missing</translation>
    </message>
    <message>
        <source>Falta especificar el coste para el espesor 1</source>
        <translation>The cost for thickness 1 is missing</translation>
    </message>
    <message>
        <source>Falta especificar el coste para el espesor 2</source>
        <translation>The cost for thickness 2 is missing</translation>
    </message>
    <message>
        <source>Falta especificar el espesor 1 (del coste)</source>
        <translation>Thickness 1 (of the cost) is missing</translation>
    </message>
    <message>
        <source>Falta especificar el espesor 2 (del coste)</source>
        <translation>Thickness 2 (of the cost) is missing</translation>
    </message>
    <message>
        <source>Falta especificar la longitud</source>
        <translation>The length is missing</translation>
    </message>
    <message>
        <source>Falta especificar la anchura del conducto</source>
        <translation>The width of the duct is missing</translation>
    </message>
    <message>
        <source>Falta especificar la altura del conducto</source>
        <translation>The height of the duct is missing</translation>
    </message>
    <message>
        <source>Falta especificar la emisividad interior</source>
        <translation>The inside emissivity is missing</translation>
    </message>
    <message>
        <source>Falta especificar la velocidad del interior</source>
        <translation>The inside air speed is missing</translation>
    </message>
    <message>
        <source>Falta especificar la altura del exterior</source>
        <translation>The outside height is missing</translation>
    </message>
    <message>
        <source>Falta especificar la emisividad exterior</source>
        <translation>The outside emissivity is missing</translation>
    </message>
    <message>
        <source>Falta especificar la velocidad del exterior</source>
        <translation>The outside air speed is missing</translation>
    </message>
    <message>
        <source>Falta especificar la densidad del terreno</source>
        <translation>The soil density is missing</translation>
    </message>
    <message>
        <source>Falta especificar la humedad del terreno</source>
        <translation>The soil moisture is missing</translation>
    </message>
    <message>
        <source>Falta especificar la conductividad del terreno</source>
        <translation>The soil conductivity is missing</translation>
    </message>
    <message>
        <source>Falta especificar la profundidad de la tubería en el terreno</source>
        <translation>The depth of the pipe in the ground is missing</translation>
    </message>
    <message>
        <source>Falta especificar la capa de aislamiento</source>
        <translation>The insulation layer is not marked</translation>
    </message>
</context>
<context>
    <name>ChartPanel</name>
    <message>
        <source>Copiar</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Copiar la gráfica al portapapeles</source>
        <translation>Copy the chart to the clipboard</translation>
    </message>
</context>
<context>
    <name>ControlCatalog</name>
    <message>
        <source>Nuevo</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Exportar PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>Guardar el informe como PDF</source>
        <translation>Save the report as PDF</translation>
    </message>
    <message>
        <source>Tabla de espesores</source>
        <translation>Thickness table</translation>
    </message>
    <message>
        <source>Calcula el caso para una lista de espesores de aislamiento comerciales</source>
        <translation>Calculates the case for a list of commercial insulation thicknesses</translation>
    </message>
    <message>
        <source>Acerca de</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Acerca de Brenak</source>
        <translation>About Brenak</translation>
    </message>
    <message>
        <source>Calcular</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Gráfica</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Placas planas</source>
        <translation>Flat walls</translation>
    </message>
    <message>
        <source>Tuberías</source>
        <translation>Pipes</translation>
    </message>
    <message>
        <source>Esferas</source>
        <translation>Spheres</translation>
    </message>
    <message>
        <source>Especiales</source>
        <translation>Special</translation>
    </message>
    <message>
        <source>Conductos y depósitos</source>
        <translation>Ducts and tanks</translation>
    </message>
    <message>
        <source>Tipo de placa</source>
        <translation>Wall type</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Horizontal interior arriba</source>
        <translation>Horizontal, inside up</translation>
    </message>
    <message>
        <source>Horizontal interior abajo</source>
        <translation>Horizontal, inside down</translation>
    </message>
    <message>
        <source>Tipo de tubería</source>
        <translation>Pipe type</translation>
    </message>
    <message>
        <source>Al aire vertical</source>
        <translation>In air, vertical</translation>
    </message>
    <message>
        <source>Al aire horizontal</source>
        <translation>In air, horizontal</translation>
    </message>
    <message>
        <source>Enterrada sin caja</source>
        <translation>Buried, no casing</translation>
    </message>
    <message>
        <source>Enterrada con caja</source>
        <translation>Buried in casing</translation>
    </message>
    <message>
        <source>Tipo de elemento</source>
        <translation>Element type</translation>
    </message>
    <message>
        <source>Conductos aire</source>
        <translation>Air ducts</translation>
    </message>
    <message>
        <source>Depósito vertical</source>
        <translation>Vertical tank</translation>
    </message>
    <message>
        <source>Depósito horizontal</source>
        <translation>Horizontal tank</translation>
    </message>
    <message>
        <source>Calcular:</source>
        <translation>Calculate:</translation>
    </message>
    <message>
        <source>Flujo de calor</source>
        <translation>Heat flux</translation>
    </message>
    <message>
        <source>Espesor aislamiento</source>
        <translation>Insulation thickness</translation>
    </message>
    <message>
        <source>Condición de diseño</source>
        <translation>Design condition</translation>
    </message>
    <message>
        <source>Condición</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>Flujo de calor  (W/m2)</source>
        <translation>Heat flux  (W/m2)</translation>
    </message>
    <message>
        <source>Pérdida calor con aislamiento (%)</source>
        <translation>Heat loss with insulation (%)</translation>
    </message>
    <message>
        <source>Coef. global de trans. calor (W/m2ºC)</source>
        <translation>Overall heat-transfer coef. (W/m2ºC)</translation>
    </message>
    <message>
        <source>Espesor económico</source>
        <translation>Economic thickness</translation>
    </message>
    <message>
        <source>Temperatura superficial exterior (ºC)</source>
        <translation>Outer surface temperature (ºC)</translation>
    </message>
    <message>
        <source>Evitar condensaciones exteriores</source>
        <translation>Prevent condensation outside</translation>
    </message>
    <message>
        <source>Temperatura superficial interior (ºC)</source>
        <translation>Inner surface temperature (ºC)</translation>
    </message>
    <message>
        <source>Evitar condensaciones interiores</source>
        <translation>Prevent condensation inside</translation>
    </message>
    <message>
        <source>Flujo de calor  (W/m)</source>
        <translation>Heat flux  (W/m)</translation>
    </message>
    <message>
        <source>Resistencia térmica lineal (mºC/W)</source>
        <translation>Linear thermal resistance (mºC/W)</translation>
    </message>
    <message>
        <source>Temp. final agua                   Longitud              m</source>
        <translation>Final water temp.                   Length              m</translation>
    </message>
    <message>
        <source>Tiempo congelación (h)         % Congelado</source>
        <translation>Freezing time (h)         % Frozen</translation>
    </message>
    <message>
        <source>Flujo de calor  (W)</source>
        <translation>Heat flow  (W)</translation>
    </message>
    <message>
        <source>Resistencia térmica (ºC/W)</source>
        <translation>Thermal resistance (ºC/W)</translation>
    </message>
    <message>
        <source>Variación temperatura (ºC)</source>
        <translation>Temperature change (ºC)</translation>
    </message>
    <message>
        <source>Condensaciones interiores</source>
        <translation>Condensation inside</translation>
    </message>
    <message>
        <source>Estudiar </source>
        <translation>Check </translation>
    </message>
    <message>
        <source>No estudiar </source>
        <translation>Do not check </translation>
    </message>
    <message>
        <source>Nunca condensa</source>
        <translation>Never condenses</translation>
    </message>
    <message>
        <source>Datos económicos</source>
        <translation>Economic data</translation>
    </message>
    <message>
        <source>euros/m2</source>
        <translation>euros/m2</translation>
    </message>
    <message>
        <source>Interior</source>
        <translation>Inside</translation>
    </message>
    <message>
        <source>Temperatura interior     ºC</source>
        <translation>Inside temperature     ºC</translation>
    </message>
    <message>
        <source>Humedad relativa interior  %</source>
        <translation>Inside relative humidity  %</translation>
    </message>
    <message>
        <source>Coef. convección</source>
        <translation>Surface coefficient</translation>
    </message>
    <message>
        <source>Imponer</source>
        <translation>Given</translation>
    </message>
    <message>
        <source>Despreciar</source>
        <translation>Neglect</translation>
    </message>
    <message>
        <source>Calcular (aire)</source>
        <translation>Calculate (air)</translation>
    </message>
    <message>
        <source>hi        W/m2ºC</source>
        <translation>hi        W/m2ºC</translation>
    </message>
    <message>
        <source>hci       W/m2ºC</source>
        <translation>hci       W/m2ºC</translation>
    </message>
    <message>
        <source>hri       W/m2ºC</source>
        <translation>hri       W/m2ºC</translation>
    </message>
    <message>
        <source>  Altura                m</source>
        <translation>  Height                m</translation>
    </message>
    <message>
        <source> Anchura                m</source>
        <translation> Width                m</translation>
    </message>
    <message>
        <source>Coef. emisión</source>
        <translation>Emissivity</translation>
    </message>
    <message>
        <source>Elegir coef. de emisión</source>
        <translation>Choose the emissivity</translation>
    </message>
    <message>
        <source>Velocidad            m/s</source>
        <translation>Air speed            m/s</translation>
    </message>
    <message>
        <source>Diámetro interior   mm</source>
        <translation>Inside diameter   mm</translation>
    </message>
    <message>
        <source>Elegir diámetro</source>
        <translation>Choose diameter</translation>
    </message>
    <message>
        <source>Aislante</source>
        <translation>Insulation</translation>
    </message>
    <message>
        <source>Resistencia     térmica       (m2ºC/W)</source>
        <translation>Thermal     resistance       (m2ºC/W)</translation>
    </message>
    <message>
        <source>Resistividad vapor (MN s/g m)</source>
        <translation>Water-vapour resistivity (MN s/g m)</translation>
    </message>
    <message>
        <source>Distribución Temperatura        (ºC)</source>
        <translation>Temperature profile        (ºC)</translation>
    </message>
    <message>
        <source>Distribución Temperatura Rocío  (ºC)</source>
        <translation>Dew point profile  (ºC)</translation>
    </message>
    <message>
        <source>Para la sup. lateral ºC</source>
        <translation>For the side surface ºC</translation>
    </message>
    <message>
        <source>Elegir material</source>
        <translation>Choose the material</translation>
    </message>
    <message>
        <source>Canalización</source>
        <translation>Casing</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Aire</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>Exterior</source>
        <translation>Outside</translation>
    </message>
    <message>
        <source>Temperatura exterior     ºC</source>
        <translation>Outside temperature     ºC</translation>
    </message>
    <message>
        <source>Humedad relativa exterior  %</source>
        <translation>Outside relative humidity  %</translation>
    </message>
    <message>
        <source>he        W/m2ºC</source>
        <translation>he        W/m2ºC</translation>
    </message>
    <message>
        <source>hce       W/m2ºC</source>
        <translation>hce       W/m2ºC</translation>
    </message>
    <message>
        <source>hre       W/m2ºC</source>
        <translation>hre       W/m2ºC</translation>
    </message>
    <message>
        <source>Ambiente</source>
        <translation>Surroundings</translation>
    </message>
    <message>
        <source>Recinto cerrado</source>
        <translation>Indoors</translation>
    </message>
    <message>
        <source>Al exterior</source>
        <translation>Outdoors</translation>
    </message>
    <message>
        <source>Velocidad viento     m/s</source>
        <translation>Wind speed     m/s</translation>
    </message>
    <message>
        <source>Temperatura suelo     ºC</source>
        <translation>Ground temperature     ºC</translation>
    </message>
    <message>
        <source>Elegir temperatura suelo</source>
        <translation>Choose the ground temperature</translation>
    </message>
    <message>
        <source>Propiedades Terreno</source>
        <translation>Soil properties</translation>
    </message>
    <message>
        <source>Profundidad eje     m</source>
        <translation>Depth of axis     m</translation>
    </message>
    <message>
        <source>Conductividad   W/mºC</source>
        <translation>Conductivity   W/mºC</translation>
    </message>
    <message>
        <source>Humedad          %</source>
        <translation>Moisture          %</translation>
    </message>
    <message>
        <source>Valores normales entre 5 y 30%</source>
        <translation>Usual values between 5 and 30%</translation>
    </message>
    <message>
        <source>Densidad     kg/m3</source>
        <translation>Density     kg/m3</translation>
    </message>
    <message>
        <source>Valores normales entre 1200 y 1800 kg/m3</source>
        <translation>Usual values between 1200 and 1800 kg/m3</translation>
    </message>
    <message>
        <source>Estimar temperatura final</source>
        <translation>Estimate final temperature</translation>
    </message>
    <message>
        <source>Sí (circula agua)</source>
        <translation>Yes (water flows)</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Sí (circula aire)</source>
        <translation>Yes (air flows)</translation>
    </message>
    <message>
        <source>Longitud      m</source>
        <translation>Length      m</translation>
    </message>
    <message>
        <source>Elección de materiales</source>
        <translation>Choice of materials</translation>
    </message>
    <message>
        <source>Aislantes</source>
        <translation>Insulating materials</translation>
    </message>
    <message>
        <source>Poliuretano tipo II</source>
        <translation>Polyurethane type II</translation>
    </message>
    <message>
        <source>Poliestireno tipo V</source>
        <translation>Polystyrene type V</translation>
    </message>
    <message>
        <source>Lana de vidrio</source>
        <translation>Glass wool</translation>
    </message>
    <message>
        <source>Espuma elastomérica (valor típico)</source>
        <translation>Elastomeric foam (typical value)</translation>
    </message>
    <message>
        <source>Coquilla lana de roca (valor típico)</source>
        <translation>Rock wool pipe section (typical value)</translation>
    </message>
    <message>
        <source>Coquilla lana de vidrio (valor típico)</source>
        <translation>Glass wool pipe section (typical value)</translation>
    </message>
    <message>
        <source>Espuma de polietileno (valor típico)</source>
        <translation>Polyethylene foam (typical value)</translation>
    </message>
    <message>
        <source>PIR (valor típico)</source>
        <translation>PIR (typical value)</translation>
    </message>
    <message>
        <source>XPS (valor típico)</source>
        <translation>XPS (typical value)</translation>
    </message>
    <message>
        <source>Mis materiales</source>
        <translation>My materials</translation>
    </message>
    <message>
        <source>Aplicar</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Aplicar el material propio elegido a la capa</source>
        <translation>Apply the chosen material of your own to the layer</translation>
    </message>
    <message>
        <source>Materiales Tuberías</source>
        <translation>Pipe materials</translation>
    </message>
    <message>
        <source>Acero</source>
        <translation>Steel</translation>
    </message>
    <message>
        <source>Cobre</source>
        <translation>Copper</translation>
    </message>
    <message>
        <source>Aluminio</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Materiales Placas</source>
        <translation>Wall materials</translation>
    </message>
    <message>
        <source>Ladrillo Macizo</source>
        <translation>Solid brick</translation>
    </message>
    <message>
        <source>Ladrillo Perforado</source>
        <translation>Perforated brick</translation>
    </message>
    <message>
        <source>Ladrillo Hueco</source>
        <translation>Hollow brick</translation>
    </message>
    <message>
        <source>Enlucido yeso</source>
        <translation>Gypsum plaster</translation>
    </message>
    <message>
        <source>Enfoscado cemento</source>
        <translation>Cement render</translation>
    </message>
    <message>
        <source>Elección de tubería</source>
        <translation>Choice of pipe</translation>
    </message>
    <message>
        <source>Acero (DN-)</source>
        <translation>Steel (DN-)</translation>
    </message>
    <message>
        <source>Cobre blando (refrigeración) (&quot;)</source>
        <translation>Soft copper (refrigeration) (&quot;)</translation>
    </message>
    <message>
        <source>Cobre rígido (refrigeración) (&quot;)</source>
        <translation>Hard copper (refrigeration) (&quot;)</translation>
    </message>
    <message>
        <source>Cobre (calefacción) (mm)</source>
        <translation>Copper (heating) (mm)</translation>
    </message>
    <message>
        <source>Tuberías de acero</source>
        <translation>Steel pipes</translation>
    </message>
    <message>
        <source>Tuberías de cobre blando</source>
        <translation>Soft copper pipes</translation>
    </message>
    <message>
        <source>Tuberías de cobre rígido</source>
        <translation>Hard copper pipes</translation>
    </message>
    <message>
        <source>Elección coeficiente de emisión</source>
        <translation>Choice of emissivity</translation>
    </message>
    <message>
        <source>Tipo de superficie</source>
        <translation>Surface type</translation>
    </message>
    <message>
        <source>Metálica brillante</source>
        <translation>Bright metal</translation>
    </message>
    <message>
        <source>Metálica opaca</source>
        <translation>Dull metal</translation>
    </message>
    <message>
        <source>Pinturas, plásticos, ladrillos, etc.</source>
        <translation>Paints, plastics, bricks, etc.</translation>
    </message>
    <message>
        <source>Pinturas metálicas</source>
        <translation>Metallic paints</translation>
    </message>
    <message>
        <source>Pinturas no metálicas de color oscuro</source>
        <translation>Dark non-metallic paints</translation>
    </message>
    <message>
        <source>Temperaturas suelo en función de la zona climática y mes</source>
        <translation>Ground temperatures by climate zone and month</translation>
    </message>
    <message>
        <source>Instalación</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Abre la instalación: todos los tramos de tuberías, conductos y depósitos de un edificio en un documento</source>
        <translation>Opens the installation: every run of pipe, duct and tank of a building in one document</translation>
    </message>
</context>
<context>
    <name>DataPanels</name>
    <message>
        <source>Referencia</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Nº capas</source>
        <translation>Layers</translation>
    </message>
    <message>
        <source>Espesor (mm)</source>
        <translation>Thickness (mm)</translation>
    </message>
    <message>
        <source>Conductividad  (W/mºC)</source>
        <translation>Conductivity  (W/mºC)</translation>
    </message>
    <message>
        <source>Coste aislamiento</source>
        <translation>Insulation cost</translation>
    </message>
    <message>
        <source>Inflación combustible</source>
        <translation>Fuel inflation</translation>
    </message>
    <message>
        <source>Coste oportunidad dinero</source>
        <translation>Cost of capital</translation>
    </message>
    <message>
        <source>Años vida instalación</source>
        <translation>Service life, years</translation>
    </message>
    <message>
        <source>Horas funcionamiento al año</source>
        <translation>Operating hours per year</translation>
    </message>
    <message>
        <source>Coste energía térmica</source>
        <translation>Cost of heat energy</translation>
    </message>
</context>
<context>
    <name>ExportPdf</name>
    <message>
        <source>Informe</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>No se ha podido escribir el PDF en %1 (%2). El informe no se ha guardado.</source>
        <translation>The PDF could not be written to %1 (%2). The report has not been saved.</translation>
    </message>
</context>
<context>
    <name>FieldValidation</name>
    <message>
        <source>Se espera un nº real y no letras</source>
        <translation>A number is expected, not letters</translation>
    </message>
    <message>
        <source>Se espera un nº entero y no un nº real</source>
        <translation>A whole number is expected, not a decimal one</translation>
    </message>
    <message>
        <source>Se espera un nº entero y no letras</source>
        <translation>A whole number is expected, not letters</translation>
    </message>
    <message>
        <source>Valor fuera de límites</source>
        <translation>Value out of limits</translation>
    </message>
</context>
<context>
    <name>GeometryLayout</name>
    <message>
        <source>Resistencia     térmica       (m2ºC/W)</source>
        <translation>Thermal     resistance       (m2ºC/W)</translation>
    </message>
    <message>
        <source>Resistencia     térmica       (mºC/W)</source>
        <translation>Thermal     resistance       (mºC/W)</translation>
    </message>
    <message>
        <source>Resistencia     térmica        (ºC/W)</source>
        <translation>Thermal     resistance        (ºC/W)</translation>
    </message>
    <message>
        <source>  Altura                m</source>
        <translation>  Height                m</translation>
    </message>
    <message>
        <source>Anchura              m</source>
        <translation>Width              m</translation>
    </message>
    <message>
        <source>Longitud              m</source>
        <translation>Length              m</translation>
    </message>
    <message>
        <source>  Anchura                m</source>
        <translation>  Width                m</translation>
    </message>
    <message>
        <source> Anchura                m</source>
        <translation> Width                m</translation>
    </message>
    <message>
        <source>Imponer</source>
        <translation>Given</translation>
    </message>
    <message>
        <source>Despreciar</source>
        <translation>Neglect</translation>
    </message>
    <message>
        <source>Calcular (aire)</source>
        <translation>Calculate (air)</translation>
    </message>
    <message>
        <source>Calcular (agua)</source>
        <translation>Calculate (water)</translation>
    </message>
    <message>
        <source>Exterior</source>
        <translation>Outside</translation>
    </message>
    <message>
        <source>El espesor de aislamiento de un conducto se calcula para un flujo de calor, una reducción o una resistencia térmica</source>
        <translation>The insulation thickness of a duct is calculated for a heat flux, a reduction or a thermal resistance</translation>
    </message>
    <message>
        <source>El programa no calcula el espesor de aislamiento de un depósito: calcule el flujo de calor con el espesor que elija</source>
        <translation>The program does not calculate the insulation thickness of a tank: calculate the heat flux with the thickness you choose</translation>
    </message>
    <message>
        <source>Terreno</source>
        <translation>Ground</translation>
    </message>
</context>
<context>
    <name>KindRules</name>
    <message>
        <source>El valor debe estar entre 1 y 100000</source>
        <translation>The value must be between 1 and 100000</translation>
    </message>
    <message>
        <source>El valor debe estar entre 0.01 y 1000</source>
        <translation>The value must be between 0.01 and 1000</translation>
    </message>
    <message>
        <source>El valor debe estar entre 0.0001 y 200</source>
        <translation>The value must be between 0.0001 and 200</translation>
    </message>
    <message>
        <source>El valor debe estar entre 0.0001 y 10</source>
        <translation>The value must be between 0.0001 and 10</translation>
    </message>
    <message>
        <source>El valor debe estar entre 0 y 100000</source>
        <translation>The value must be between 0 and 100000</translation>
    </message>
    <message>
        <source>El valor debe estar entre 1 y 100</source>
        <translation>The value must be between 1 and 100</translation>
    </message>
    <message>
        <source>El valor debe estar entre -100 y 200</source>
        <translation>The value must be between -100 and 200</translation>
    </message>
    <message>
        <source>El valor debe estar entre 0.001 y 100</source>
        <translation>The value must be between 0.001 and 100</translation>
    </message>
    <message>
        <source>El valor debe estar entre 1 y 50</source>
        <translation>The value must be between 1 and 50</translation>
    </message>
    <message>
        <source>El valor debe estar entre 1 y 8760</source>
        <translation>The value must be between 1 and 8760</translation>
    </message>
    <message>
        <source>El valor debe estar entre 0.0001 y 20</source>
        <translation>The value must be between 0.0001 and 20</translation>
    </message>
    <message>
        <source>El valor debe estar entre 0.0001 y 1000</source>
        <translation>The value must be between 0.0001 and 1000</translation>
    </message>
    <message>
        <source>El valor debe estar entre 0 y 1</source>
        <translation>The value must be between 0 and 1</translation>
    </message>
    <message>
        <source>El valor debe estar entre 0.01 y 100</source>
        <translation>The value must be between 0.01 and 100</translation>
    </message>
    <message>
        <source>El valor debe estar entre 0.1 y 100</source>
        <translation>The value must be between 0.1 and 100</translation>
    </message>
    <message>
        <source>El valor debe estar entre 1 y 10000</source>
        <translation>The value must be between 1 and 10000</translation>
    </message>
    <message>
        <source>El valor debe estar entre 1200 y 1800</source>
        <translation>The value must be between 1200 and 1800</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>El idioma elegido se aplica al volver a abrir el programa</source>
        <translation>The chosen language applies when the program is opened again</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Error inesperado</source>
        <translation>Unexpected error</translation>
    </message>
</context>
<context>
    <name>MessageSink</name>
    <message>
        <source>Atención</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>Overlays</name>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Espesor de aislamiento y flujo de calor en paredes, suelos, techos, tuberías al aire y enterradas, esferas, conductos de aire y depósitos</source>
        <translation>Insulation thickness and heat flux of walls, floors, roofs, pipes in air and buried, spheres, air ducts and tanks</translation>
    </message>
    <message>
        <source>Versión 1.0  ·  9/8/2013</source>
        <translation>Version 1.0  ·  9/8/2013</translation>
    </message>
    <message>
        <source>Zona</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Osc.Anual</source>
        <translation>Annual swing</translation>
    </message>
    <message>
        <source>Enero</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Febrero</source>
        <translation>February</translation>
    </message>
    <message>
        <source>Marzo</source>
        <translation>March</translation>
    </message>
    <message>
        <source>Abril</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Mayo</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Junio</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Julio</source>
        <translation>July</translation>
    </message>
    <message>
        <source>Agosto</source>
        <translation>August</translation>
    </message>
    <message>
        <source>Septiembre</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Octubre</source>
        <translation>October</translation>
    </message>
    <message>
        <source>Noviembre</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Diciembre</source>
        <translation>December</translation>
    </message>
</context>
<context>
    <name>ProjectCommands</name>
    <message>
        <source>No es posible guardar el proyecto &quot;%1&quot;: no se puede escribir el archivo. El archivo que hubiera con ese nombre no ha cambiado.</source>
        <translation>The project &quot;%1&quot; cannot be saved: the file cannot be written. Any file of that name is unchanged.</translation>
    </message>
</context>
<context>
    <name>ProjectSummary</name>
    <message>
        <source>Archivo</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Referencia</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Elemento</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Calcular</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Condición de diseño</source>
        <translation>Design condition</translation>
    </message>
    <message>
        <source>Capa aislante</source>
        <translation>Insulation layer</translation>
    </message>
    <message>
        <source>Espesor aislante (mm)</source>
        <translation>Insulation thickness (mm)</translation>
    </message>
    <message>
        <source>Flujo de calor</source>
        <translation>Heat flow</translation>
    </message>
    <message>
        <source>Resistencia térmica o coef. global</source>
        <translation>Thermal resistance or overall coefficient</translation>
    </message>
    <message>
        <source>T. superficie exterior (ºC)</source>
        <translation>Outer surface T. (ºC)</translation>
    </message>
    <message>
        <source>RITE</source>
        <translation>RITE</translation>
    </message>
    <message>
        <source>Mensajes</source>
        <translation>Messages</translation>
    </message>
</context>
<context>
    <name>ResultLines</name>
    <message>
        <source>Coef. global de transferencia de calor %1 W/m2ºC</source>
        <translation>Overall heat-transfer coefficient %1 W/m2ºC</translation>
    </message>
    <message>
        <source>Densidad sup. flujo de calor %1 W/m2</source>
        <translation>Heat flux %1 W/m2</translation>
    </message>
    <message>
        <source>Resistencia térmica lineal %1 mºC/W</source>
        <translation>Linear thermal resistance %1 mºC/W</translation>
    </message>
    <message>
        <source>Densidad lineal flujo de calor %1 W/m</source>
        <translation>Linear heat flow rate %1 W/m</translation>
    </message>
    <message>
        <source>Resistencia térmica total %1 ºC/W</source>
        <translation>Total thermal resistance %1 ºC/W</translation>
    </message>
    <message>
        <source>Flujo de calor %1 W</source>
        <translation>Heat flow %1 W</translation>
    </message>
    <message>
        <source>Flujo de calor %1 W/m  o  %2 W/m2</source>
        <translation>Heat flow %1 W/m  or  %2 W/m2</translation>
    </message>
    <message>
        <source>Mismo flujo de calor por m2 en todo el depósito</source>
        <translation>Same heat flux per m2 over the whole tank</translation>
    </message>
    <message>
        <source>Atención.   Se ha considerado:</source>
        <translation>Note.   Taken into account:</translation>
    </message>
    <message>
        <source>Esp. aislamiento %1 mm</source>
        <translation>Insulation thickness %1 mm</translation>
    </message>
    <message>
        <source>Atención: Condensa en el interior de las placas planas</source>
        <translation>Warning: condensation inside the flat wall</translation>
    </message>
    <message>
        <source>No condensa en el interior de las placas planas</source>
        <translation>No condensation inside the flat wall</translation>
    </message>
    <message>
        <source>La temperatura al final de la tubería es %1 ºC</source>
        <translation>The temperature at the end of the pipe is %1 ºC</translation>
    </message>
    <message>
        <source>Densidad lineal %1 W/m    Flujo calor total %2 W</source>
        <translation>Linear heat flow %1 W/m    Total heat flow %2 W</translation>
    </message>
    <message>
        <source>Flujo de calor %1 W/m lineal o %2 W/m2 sup. int.</source>
        <translation>Heat flow %1 W/m of length or %2 W/m2 of inner surface</translation>
    </message>
    <message>
        <source>La temperatura al final del conducto es %1 ºC</source>
        <translation>The temperature at the end of the duct is %1 ºC</translation>
    </message>
    <message>
        <source>Coste total (inversión + explotación) %1 euros/m2</source>
        <translation>Total cost (investment + operation) %1 euros/m2</translation>
    </message>
    <message>
        <source>Coste inversión %1 euros/m2</source>
        <translation>Investment cost %1 euros/m2</translation>
    </message>
    <message>
        <source>Coste total (inversión + explotación) %1 euros/m</source>
        <translation>Total cost (investment + operation) %1 euros/m</translation>
    </message>
    <message>
        <source>Coste inversión %1 euros/m</source>
        <translation>Investment cost %1 euros/m</translation>
    </message>
    <message>
        <source>Coste total (inversión + explotación) %1 euros</source>
        <translation>Total cost (investment + operation) %1 euros</translation>
    </message>
    <message>
        <source>Coste inversión %1 euros</source>
        <translation>Investment cost %1 euros</translation>
    </message>
</context>
<context>
    <name>RiteCheck</name>
    <message>
        <source>la tabla de espesores mínimos no se aplica a este elemento</source>
        <translation>the table of minimum thicknesses does not apply to this element</translation>
    </message>
    <message>
        <source>el fluido está a la temperatura del ambiente</source>
        <translation>the fluid is at the ambient temperature</translation>
    </message>
    <message>
        <source>la tabla se aplica a fluidos calientes de 40 a 180 ºC</source>
        <translation>the table applies to hot fluids from 40 to 180 ºC</translation>
    </message>
    <message>
        <source>la tabla se aplica a fluidos fríos por encima de -10 ºC</source>
        <translation>the table applies to cold fluids above -10 ºC</translation>
    </message>
</context>
<context>
    <name>RiteLine</name>
    <message>
        <source> (sistemas de hasta 70 kW)</source>
        <translation> (systems up to 70 kW)</translation>
    </message>
    <message>
        <source>mínimo %1 (tubería enterrada, exterior)</source>
        <translation>minimum %1 (buried pipe, outdoors)</translation>
    </message>
    <message>
        <source>mínimo %1 en interior, %2 en exterior</source>
        <translation>minimum %1 indoors, %2 outdoors</translation>
    </message>
    <message>
        <source>; no hay capa de aislamiento marcada</source>
        <translation>; no layer is marked as insulation</translation>
    </message>
    <message>
        <source>; ninguna capa es un aislante dado por su conductividad (de %1 W/mºC como mucho)</source>
        <translation>; no layer is an insulant by its conductivity (%1 W/mºC at most)</translation>
    </message>
    <message>
        <source>; el aislamiento de %1</source>
        <translation>; the insulation of %1</translation>
    </message>
    <message>
        <source> cumple</source>
        <translation> complies</translation>
    </message>
    <message>
        <source> no cumple</source>
        <translation> does not comply</translation>
    </message>
    <message>
        <source> cumple en interior y en exterior</source>
        <translation> complies indoors and outdoors</translation>
    </message>
    <message>
        <source> cumple en interior</source>
        <translation> complies indoors</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Sin título</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Programa de cálculo de aislamientos (v1.0) 9/8/2013</source>
        <translation>Insulation calculation program (v1.0) 9/8/2013</translation>
    </message>
    <message>
        <source>AVISO</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>Mal uso</source>
        <translation>Wrong use</translation>
    </message>
    <message>
        <source>Uso:
  brenak [PROYECTO]
  brenak --help | --version

Abre la ventana del programa de cálculo de aislamientos y, si se da PROYECTO, abre ese archivo como &quot;Abrir&quot;.

Opciones:
  -h, --help     muestra esta ayuda
  -v, --version  muestra la versión del programa
</source>
        <translation>Usage:
  brenak [PROJECT]
  brenak --help | --version

Opens the window of the insulation calculator and, if PROJECT is given, opens that file as &quot;Open&quot; does.

Options:
  -h, --help     shows this help
  -v, --version  shows the program&apos;s version
</translation>
    </message>
</context>
<context>
    <name>ThicknessTable</name>
    <message>
        <source>Marque la capa de aislamiento cuyo espesor se quiere variar</source>
        <translation>Mark the insulation layer whose thickness is to vary</translation>
    </message>
    <message>
        <source>Ninguna capa del caso es un aislante dado por su conductividad (de %1 W/mºC como mucho): elija la capa cuyo espesor se quiere variar</source>
        <translation>No layer of the case is an insulant given by its thermal conductivity (%1 W/mºC at most): choose the layer whose thickness is to vary</translation>
    </message>
    <message>
        <source>La capa %1 no está en uso: el caso tiene %2 capa</source>
        <translation>Layer %1 is not in use: the case has %2 layer</translation>
    </message>
    <message>
        <source>La capa %1 no está en uso: el caso tiene %2 capas</source>
        <translation>Layer %1 is not in use: the case has %2 layers</translation>
    </message>
    <message>
        <source>La capa %1 se ha dado por su resistencia: indique su conductividad para variar su espesor</source>
        <translation>Layer %1 is given by its thermal resistance: enter its thermal conductivity to vary its thickness</translation>
    </message>
    <message>
        <source>no se aplica</source>
        <translation>not applicable</translation>
    </message>
    <message>
        <source>cumple</source>
        <translation>complies</translation>
    </message>
    <message>
        <source>no cumple</source>
        <translation>does not comply</translation>
    </message>
    <message>
        <source>cumple en interior y exterior</source>
        <translation>complies indoors and outdoors</translation>
    </message>
    <message>
        <source>cumple en interior</source>
        <translation>complies indoors</translation>
    </message>
    <message>
        <source>Espesor (mm)</source>
        <translation>Thickness (mm)</translation>
    </message>
    <message>
        <source>Flujo de calor (W%1)</source>
        <translation>Heat flow (W%1)</translation>
    </message>
    <message>
        <source>T. superficie exterior (ºC)</source>
        <translation>Outer surface T. (ºC)</translation>
    </message>
    <message>
        <source>Margen al rocío exterior (ºC)</source>
        <translation>Margin to outside dew point (ºC)</translation>
    </message>
    <message>
        <source>Condensa</source>
        <translation>Condenses</translation>
    </message>
    <message>
        <source>Energía perdida (kWh%1 y año)</source>
        <translation>Energy lost (kWh%1 per year)</translation>
    </message>
    <message>
        <source>Coste energía (%2 y año)</source>
        <translation>Energy cost (%2 per year)</translation>
    </message>
    <message>
        <source>Inversión aislamiento (%2)</source>
        <translation>Insulation investment (%2)</translation>
    </message>
    <message>
        <source>Coste total en la vida útil (%2)</source>
        <translation>Total life-cycle cost (%2)</translation>
    </message>
    <message>
        <source>RITE</source>
        <translation>RITE</translation>
    </message>
    <message>
        <source>Nota</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Humedad relativa exterior (%)</source>
        <translation>Outside relative humidity (%)</translation>
    </message>
    <message>
        <source>Horas de funcionamiento al año</source>
        <translation>Operating hours per year</translation>
    </message>
    <message>
        <source>Coste de la energía (euros/kWh)</source>
        <translation>Energy cost (euros/kWh)</translation>
    </message>
    <message>
        <source>Inflación del combustible (%)</source>
        <translation>Fuel inflation (%)</translation>
    </message>
    <message>
        <source>Coste de oportunidad (%)</source>
        <translation>Cost of capital (%)</translation>
    </message>
    <message>
        <source>Años de vida de la instalación</source>
        <translation>Service life in years</translation>
    </message>
    <message>
        <source>Espesor 1 (mm)</source>
        <translation>Thickness 1 (mm)</translation>
    </message>
    <message>
        <source>Coste aislamiento 1</source>
        <translation>Insulation cost 1</translation>
    </message>
    <message>
        <source>Espesor 2 (mm)</source>
        <translation>Thickness 2 (mm)</translation>
    </message>
    <message>
        <source>Coste aislamiento 2</source>
        <translation>Insulation cost 2</translation>
    </message>
    <message>
        <source>sí</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>espesor comercial</source>
        <translation>commercial thickness</translation>
    </message>
</context>
<context>
    <name>ThicknessTableDialog</name>
    <message>
        <source>Tabla de espesores</source>
        <translation>Table of thicknesses</translation>
    </message>
    <message>
        <source>Espesores de aislamiento (mm):</source>
        <translation>Insulation thicknesses (mm):</translation>
    </message>
    <message>
        <source>Espesores en mm separados por «;», por ejemplo 10; 13; 19; 25</source>
        <translation>Thicknesses in mm separated by «;», for example 10; 13; 19; 25</translation>
    </message>
    <message>
        <source>Capa que varía:</source>
        <translation>Layer that varies:</translation>
    </message>
    <message>
        <source>La capa cuyo espesor toma cada valor de la lista; al abrir la tabla, la capa de aislamiento del caso</source>
        <translation>The layer whose thickness takes each value of the list; when the table opens, the case&apos;s insulation layer</translation>
    </message>
    <message>
        <source>Elija una capa</source>
        <translation>Choose a layer</translation>
    </message>
    <message>
        <source>Calcular</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Datos del estudio que la ventana no muestra</source>
        <translation>Figures of the study that the window does not show</translation>
    </message>
    <message>
        <source>Cada fila es el caso de la ventana calculado con ese espesor en la capa que varía. Si el caso pide el espesor de esa capa, el espesor comercial que sigue al calculado va en amarillo.</source>
        <translation>Each row is the case on the window calculated with that thickness in the layer that varies. If the case asks for the thickness of that layer, the commercial thickness above the calculated one is shown in yellow.</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Copiar la tabla al portapapeles, para pegarla en una hoja de cálculo</source>
        <translation>Copy the table to the clipboard, to paste it into a spreadsheet</translation>
    </message>
    <message>
        <source>Guardar CSV...</source>
        <translation>Save CSV...</translation>
    </message>
    <message>
        <source>Guardar la tabla en un archivo CSV</source>
        <translation>Save the table in a CSV file</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Guardar la tabla de espesores</source>
        <translation>Save the table of thicknesses</translation>
    </message>
    <message>
        <source>Archivos CSV (*.csv);;Todos los archivos (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>La lista de espesores no se puede leer: escriba espesores en mm, mayores que 0 y hasta 5000, separados por «;» (por ejemplo 10; 13; 19; 25).</source>
        <translation>The list of thicknesses cannot be read: type thicknesses in mm, greater than 0 and up to 5000, separated by «;» (for example 10; 13; 19; 25).</translation>
    </message>
    <message>
        <source>Ningún espesor de la lista tiene resultados</source>
        <translation>No thickness of the list has results</translation>
    </message>
    <message>
        <source>Flujo de calor según el espesor</source>
        <translation>Heat flow against thickness</translation>
    </message>
    <message>
        <source>Flujo de calor y coste total según el espesor</source>
        <translation>Heat flow and total cost against thickness</translation>
    </message>
    <message>
        <source>Espesor de aislamiento (mm)</source>
        <translation>Insulation thickness (mm)</translation>
    </message>
    <message>
        <source>Flujo de calor (%1)</source>
        <translation>Heat flow (%1)</translation>
    </message>
    <message>
        <source>Flujo de calor</source>
        <translation>Heat flow</translation>
    </message>
    <message>
        <source>Coste total (%1)</source>
        <translation>Total cost (%1)</translation>
    </message>
    <message>
        <source>Coste total</source>
        <translation>Total cost</translation>
    </message>
    <message>
        <source>Espesor comercial</source>
        <translation>Commercial thickness</translation>
    </message>
    <message>
        <source> - espesores.csv</source>
        <translation> - thicknesses.csv</translation>
    </message>
    <message>
        <source>Tabla de espesores.csv</source>
        <translation>Table of thicknesses.csv</translation>
    </message>
    <message>
        <source>No es posible guardar la tabla en %1: %2</source>
        <translation>The table cannot be saved in %1: %2</translation>
    </message>
</context>
<context>
    <name>UserActions</name>
    <message>
        <source>control desconocido: %1</source>
        <translation>unknown control: %1</translation>
    </message>
    <message>
        <source>%1 está desactivado</source>
        <translation>%1 is disabled</translation>
    </message>
    <message>
        <source>fila fuera de límites: %1=%2 (%1 tiene %3 filas, de 0 a %4)</source>
        <translation>row out of range: %1=%2 (%1 has %3 rows, 0 to %4)</translation>
    </message>
    <message>
        <source>la fila %1 de %2 (%3) no se puede elegir</source>
        <translation>row %1 of %2 (%3) cannot be chosen</translation>
    </message>
    <message>
        <source>%1 es una lista: indique la fila que se elige (%1=FILA, desde 0)</source>
        <translation>%1 is a list: give the row to choose (%1=ROW, from 0)</translation>
    </message>
    <message>
        <source>%1 no es una lista: no tiene filas que elegir</source>
        <translation>%1 is not a list: it has no rows to choose</translation>
    </message>
    <message>
        <source>%1 no responde a una pulsación</source>
        <translation>%1 does not respond to a click</translation>
    </message>
    <message>
        <source>%1 no es un campo en el que escribir</source>
        <translation>%1 is not a field to type in</translation>
    </message>
    <message>
        <source>%1 es de solo lectura</source>
        <translation>%1 is read-only</translation>
    </message>
    <message>
        <source>se espera CONTROL=TEXTO: %1</source>
        <translation>CONTROL=TEXT expected: %1</translation>
    </message>
    <message>
        <source>se espera CONTROL o CONTROL=FILA: %1</source>
        <translation>CONTROL or CONTROL=ROW expected: %1</translation>
    </message>
    <message>
        <source>la fila debe ser un número entero, desde 0: %1</source>
        <translation>the row must be a whole number, from 0: %1</translation>
    </message>
    <message>
        <source>%1 no está a la vista en la ventana</source>
        <translation>%1 is not in view on the window</translation>
    </message>
</context>
<context>
    <name>UserMaterialCommands</name>
    <message>
        <source>el archivo de materiales propios no se pudo leer y no se sobrescribe</source>
        <translation>the file of your own materials could not be read and is not overwritten</translation>
    </message>
    <message>
        <source>No es posible guardar los materiales propios: %1</source>
        <translation>Your own materials cannot be saved: %1</translation>
    </message>
    <message>
        <source>No es posible guardar el material: %1</source>
        <translation>The material cannot be saved: %1</translation>
    </message>
    <message>
        <source>Materiales propios: %1.</source>
        <translation>Your own materials: %1.</translation>
    </message>
</context>
<context>
    <name>UserMaterials</name>
    <message>
        <source>falta el nombre del material</source>
        <translation>the material has no name</translation>
    </message>
    <message>
        <source>la conductividad debe ser &gt;0 y &lt; 200</source>
        <translation>the thermal conductivity must be &gt;0 and &lt; 200</translation>
    </message>
    <message>
        <source>la resistividad al vapor debe estar entre 0 y 100000</source>
        <translation>the vapour resistivity must be between 0 and 100000</translation>
    </message>
    <message>
        <source>no se puede leer el archivo de materiales propios &quot;%1&quot;</source>
        <translation>the file of your own materials &quot;%1&quot; cannot be read</translation>
    </message>
    <message>
        <source>el archivo de materiales propios está dañado</source>
        <translation>the file of your own materials is damaged</translation>
    </message>
    <message>
        <source>el archivo de materiales propios tiene un material que no es válido</source>
        <translation>the file of your own materials holds a material that is not valid</translation>
    </message>
    <message>
        <source>%1 y no se ha podido apartar: no se guardarán cambios en él</source>
        <translation>%1 and could not be set aside: no changes will be saved to it</translation>
    </message>
    <message>
        <source>%1; se ha guardado aparte como &quot;%2&quot;</source>
        <translation>%1; it has been set aside as &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no se puede crear la carpeta</source>
        <translation>the folder cannot be created</translation>
    </message>
    <message>
        <source>no se puede escribir el archivo</source>
        <translation>the file cannot be written</translation>
    </message>
</context>
<context>
    <name>UserMaterialsEditor</name>
    <message>
        <source>por ejemplo %1</source>
        <translation>for example %1</translation>
    </message>
    <message>
        <source>0 si no se conoce</source>
        <translation>0 if not known</translation>
    </message>
    <message>
        <source>&amp;Nombre:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Conductividad (W/mºC):</source>
        <translation>&amp;Conductivity (W/mºC):</translation>
    </message>
    <message>
        <source>&amp;Resistividad al vapor (MN s/g m):</source>
        <translation>&amp;Vapour resistivity (MN s/g m):</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Los valores declarados por el fabricante del material.</source>
        <translation>The values declared by the material&apos;s manufacturer.</translation>
    </message>
    <message>
        <source>Aún no hay materiales propios.</source>
        <translation>No materials of your own yet.</translation>
    </message>
    <message>
        <source>Nuevo material...</source>
        <translation>New material...</translation>
    </message>
    <message>
        <source>Añadir un material propio a la lista</source>
        <translation>Add a material of your own to the list</translation>
    </message>
    <message>
        <source>Modificar...</source>
        <translation>Edit...</translation>
    </message>
    <message>
        <source>Modificar el material propio elegido</source>
        <translation>Edit the chosen material of your own</translation>
    </message>
    <message>
        <source>Eliminar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Quitar el material propio elegido de la lista</source>
        <translation>Remove the chosen material of your own from the list</translation>
    </message>
    <message>
        <source>Nuevo material propio</source>
        <translation>New material of your own</translation>
    </message>
    <message>
        <source>Modificar material propio</source>
        <translation>Edit material of your own</translation>
    </message>
    <message>
        <source>Eliminar material propio</source>
        <translation>Delete material of your own</translation>
    </message>
    <message>
        <source>¿Quitar «%1» de sus materiales?</source>
        <translation>Remove «%1» from your materials?</translation>
    </message>
</context>
<context>
    <name>WindowBinding</name>
    <message>
        <source>Capa de aislamiento</source>
        <translation>Insulation layer</translation>
    </message>
</context>
<context>
    <name>WindowDocument</name>
    <message>
        <source>Sin proyectos recientes</source>
        <translation>No recent projects</translation>
    </message>
    <message>
        <source>Guardar como…</source>
        <translation>Save as…</translation>
    </message>
</context>
<context>
    <name>WindowPictures</name>
    <message>
        <source>Uso:
  brenak-cli screenshot FILE OUT.png [--size WxH] [--scale F] [--font-size PT] [--show-chart] [--welcome]
                                     [--click CONTROL[=ROW]]... [--decimal-separator , | .]
  brenak-cli chart FILE OUT.png [--size WxH] [--scale F] [--decimal-separator , | .]
  brenak-cli layout-check FILE [--size WxH] [--scale F] [--font-size PT] [--click CONTROL[=ROW]]...
                          [--decimal-separator , | .]
</source>
        <translation>Usage:
  brenak-cli screenshot FILE OUT.png [--size WxH] [--scale F] [--font-size PT] [--show-chart] [--welcome]
                                     [--click CONTROL[=ROW]]... [--decimal-separator , | .]
  brenak-cli chart FILE OUT.png [--size WxH] [--scale F] [--decimal-separator , | .]
  brenak-cli layout-check FILE [--size WxH] [--scale F] [--font-size PT] [--click CONTROL[=ROW]]...
                          [--decimal-separator , | .]
</translation>
    </message>
    <message>
        <source>
layout-check abre FILE en la ventana, sin pantalla, del tamaño pedido (1366x700 si no se pide),
pulsa los controles pedidos (CONTROL=FILA elige una fila de una lista) y escribe en JSON si el
área de datos muestra barras de desplazamiento y cada texto visible que no cabe en su control.
Estado de salida: 0 todo cabe, 1 algo no cabe o uso incorrecto.
</source>
        <translation>
layout-check opens FILE in the window, without a display, at the size asked for (1366x700 if none),
clicks the controls asked for (CONTROL=ROW chooses a row of a list) and writes in JSON whether the
data area shows scroll bars and each visible text that does not fit its control.
Exit status: 0 all fits, 1 something does not fit or wrong use.
</translation>
    </message>
    <message>
        <source>falta el tamaño tras --size</source>
        <translation>the size is missing after --size</translation>
    </message>
    <message>
        <source>el tamaño se escribe ANCHOxALTO, por ejemplo 1366x768</source>
        <translation>the size is written WIDTHxHEIGHT, for example 1366x768</translation>
    </message>
    <message>
        <source>falta la escala tras --scale</source>
        <translation>the scale is missing after --scale</translation>
    </message>
    <message>
        <source>la escala va de 0.5 a 4</source>
        <translation>the scale goes from 0.5 to 4</translation>
    </message>
    <message>
        <source>falta el tamaño de letra tras --font-size</source>
        <translation>the font size is missing after --font-size</translation>
    </message>
    <message>
        <source>el tamaño de letra va de 6 a 24 puntos</source>
        <translation>the font size goes from 6 to 24 points</translation>
    </message>
    <message>
        <source>el separador decimal debe ser &quot;,&quot; o &quot;.&quot;</source>
        <translation>the decimal separator must be &quot;,&quot; or &quot;.&quot;</translation>
    </message>
    <message>
        <source>falta el nombre del control tras --click</source>
        <translation>the control&apos;s name is missing after --click</translation>
    </message>
    <message>
        <source>opción desconocida</source>
        <translation>unknown option</translation>
    </message>
    <message>
        <source>se espera un archivo de proyecto</source>
        <translation>a project file is expected</translation>
    </message>
    <message>
        <source>se esperan un archivo de proyecto y un archivo PNG</source>
        <translation>a project file and a PNG file are expected</translation>
    </message>
    <message>
        <source>orden desconocida</source>
        <translation>unknown command</translation>
    </message>
    <message>
        <source>no hay ningún control %1</source>
        <translation>there is no control %1</translation>
    </message>
    <message>
        <source>no se pudo escribir %1</source>
        <translation>%1 could not be written</translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abrir proyecto</source>
        <translation>Open project</translation>
    </message>
    <message>
        <source>Guardar proyecto</source>
        <translation>Save project</translation>
    </message>
    <message>
        <source>Guardar cambios</source>
        <translation>Save changes</translation>
    </message>
    <message>
        <source>¿Desea guardar los cambios de «%1»?</source>
        <translation>Do you want to save the changes to “%1”?</translation>
    </message>
    <message>
        <source>Si no los guarda, se perderán.</source>
        <translation>If you do not save them, they will be lost.</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>No guardar</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Error inesperado</source>
        <translation>Unexpected error</translation>
    </message>
    <message>
        <source>Documento PDF</source>
        <translation>PDF document</translation>
    </message>
</context>
<context>
    <name>WindowToolbar</name>
    <message>
        <source>Órdenes</source>
        <translation>Commands</translation>
    </message>
</context>
</TS>
