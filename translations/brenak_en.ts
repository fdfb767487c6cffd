<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>Artwork</name>
    <message>
        <source>:/pictures/Image4.svg</source>
        <translation>:/pictures/Image4.en.svg</translation>
    </message>
    <message>
        <source>:/pictures/ImageConducto.svg</source>
        <translation>:/pictures/ImageConducto.en.svg</translation>
    </message>
</context>
<context>
    <name>CalcMessages</name>
    <message>
        <source>Atención</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>No es posible calcular: con estos datos el resultado no es un número finito. Revise los datos.</source>
        <translation>Cannot calculate: with these data the result is not a finite number. Check the data.</translation>
    </message>
    <message>
        <source>No es posible calcular: los coeficientes superficiales no convergen (se han alcanzado 500 iteraciones). Revise los datos o imponga los coeficientes.</source>
        <translation>Cannot calculate: the surface coefficients do not converge (500 iterations reached). Check the data or give the coefficients.</translation>
    </message>
    <message>
        <source>Datos absurdos, pues el espesor económico no cabe en la canalización: con el mayor espesor de aislamiento que cabe en ella el coste total aún baja</source>
        <translation>Absurd data: the economic thickness does not fit in the casing; with the greatest insulation thickness that fits, the total cost is still falling</translation>
    </message>
    <message>
        <source>Datos absurdos, pues con el espesor económico la profundidad a la que está enterrada la tubería sería menor que su radio exterior: con el mayor espesor de aislamiento que cabe el coste total aún baja</source>
        <translation>Absurd data: with the economic thickness the burial depth of the pipe would be less than its outer radius; with the greatest insulation thickness that fits, the total cost is still falling</translation>
    </message>
    <message>
        <source>No es posible calcular el espesor económico: los espesores 1 y 2 del coste deben ser distintos</source>
        <translation>Cannot calculate the economic thickness: cost thicknesses 1 and 2 must differ</translation>
    </message>
    <message>
        <source>Datos absurdos, sin aislamiento es la mejor solución</source>
        <translation>Absurd data: no insulation is the best solution</translation>
    </message>
    <message>
        <source>Datos absurdos, pues el espesor de aislamiento sería mayor de 5 m.</source>
        <translation>Absurd data: the insulation thickness would exceed 5 m.</translation>
    </message>
    <message>
        <source>Datos absurdos, pues la profundidad a la que está enterrada la tubería es menor que el radio exterior de la tubería (contando el aislante)</source>
        <translation>Absurd data: the burial depth of the pipe is less than the outer radius of the pipe (insulation included)</translation>
    </message>
    <message>
        <source>Datos absurdos, pues la semialtura de la canalización es menor que el radio exterior de las diferentes capas (contando el aislante)</source>
        <translation>Absurd data: the half-height of the casing is less than the outer radius of the layers (insulation included)</translation>
    </message>
    <message>
        <source>Datos absurdos, pues la semialtura de la canalización es mayor que la profundidad a la que está enterrada la tubería</source>
        <translation>Absurd data: the half-height of the casing is greater than the burial depth of the pipe</translation>
    </message>
    <message>
        <source>No es posible calcular un espesor de aislante para este elemento con la condición seleccionada</source>
        <translation>No insulation thickness can be calculated for this element with the selected condition</translation>
    </message>
    <message>
        <source>No es posible calcular: las temperaturas interior y del suelo son iguales</source>
        <translation>Cannot calculate: the inside and ground temperatures are equal</translation>
    </message>
    <message>
        <source>No es posible calcular: las temperaturas interior y exterior son iguales</source>
        <translation>Cannot calculate: the inside and outside temperatures are equal</translation>
    </message>
    <message>
        <source>No es posible calcular esta condición con el coeficiente superficial exterior despreciado: impóngalo o calcúlelo</source>
        <translation>This condition cannot be calculated with the outside surface coefficient neglected: give it or calculate it</translation>
    </message>
    <message>
        <source>No es posible calcular esta condición con el coeficiente superficial interior despreciado: impóngalo o calcúlelo</source>
        <translation>This condition cannot be calculated with the inside surface coefficient neglected: give it or calculate it</translation>
    </message>
    <message>
        <source>Flujo de calor máximo: </source>
        <translation>Maximum heat flow: </translation>
    </message>
    <message>
        <source>No es posible calcular un espesor de aislante, ya que sin aislamiento el flujo de calor ya es menor</source>
        <translation>No insulation thickness can be calculated: without insulation the heat flux is already lower</translation>
    </message>
    <message>
        <source>No es posible calcular una reducción del flujo de calor: sin aislamiento el elemento no tiene resistencia térmica</source>
        <translation>No reduction of the heat flux can be calculated: without insulation the element has no thermal resistance</translation>
    </message>
    <message>
        <source>Coeficiente global sin aislamiento: </source>
        <translation>Overall coefficient without insulation: </translation>
    </message>
    <message>
        <source>No es posible calcular un espesor de aislante, ya que el coeficiente global de transferencia de calor sin aislamiento ya es menor</source>
        <translation>No insulation thickness can be calculated: without insulation the overall heat-transfer coefficient is already lower</translation>
    </message>
    <message>
        <source>Resistencia térmica total sin aislamiento: </source>
        <translation>Total thermal resistance without insulation: </translation>
    </message>
    <message>
        <source>No es posible calcular un espesor de aislante, ya que la resistencia térmica total sin aislamiento ya es mayor</source>
        <translation>No insulation thickness can be calculated: without insulation the total thermal resistance is already higher</translation>
    </message>
    <message>
        <source>Resistencia térmica lineal sin aislamiento: </source>
        <translation>Linear thermal resistance without insulation: </translation>
    </message>
    <message>
        <source>No es posible calcular un espesor de aislante, ya que la resistencia térmica lineal sin aislamiento ya es mayor</source>
        <translation>No insulation thickness can be calculated: without insulation the linear thermal resistance is already higher</translation>
    </message>
    <message>
        <source>La temperatura de la superficie exterior debe encontrarse entre los valores de la temperatura interior y exterior</source>
        <translation>The outer surface temperature must lie between the inside and outside temperatures</translation>
    </message>
    <message>
        <source>Sin aislamiento la temperatura de la superficie exterior se aproxima más a la exterior que la que se solicita, por tanto no es posible esta condición</source>
        <translation>Without insulation the outer surface temperature is already closer to the outside temperature than the one asked for, so this condition is not possible</translation>
    </message>
    <message>
        <source>La temperatura exterior es inferior a la interior, nunca condensa en el exterior, por tanto no es posible esta condición</source>
        <translation>The outside temperature is below the inside one: there is never condensation outside, so this condition is not possible</translation>
    </message>
    <message>
        <source>La temperatura de rocío exterior es menor que la temperatura interior, por lo tanto nunca condensa y no es posible esta condición</source>
        <translation>The outside dew point is below the inside temperature: there is never condensation, so this condition is not possible</translation>
    </message>
    <message>
        <source>Sin aislamiento la temperatura de la superficie es superior a la de rocío, por lo tanto nunca condensa y no es posible esta condición</source>
        <translation>Without insulation the surface temperature is above the dew point: there is never condensation, so this condition is not possible</translation>
    </message>
    <message>
        <source>La temperatura de la superficie interior debe encontrarse entre los valores de la temperatura interior y exterior</source>
        <translation>The inner surface temperature must lie between the inside and outside temperatures</translation>
    </message>
    <message>
        <source>Sin aislamiento la temperatura de la superficie interior se aproxima más a la interior que la que se solicita, por tanto no es posible esta condición</source>
        <translation>Without insulation the inner surface temperature is already closer to the inside temperature than the one asked for, so this condition is not possible</translation>
    </message>
    <message>
        <source>Datos absurdos, la temperatura final debe estar entre la exterior e interior</source>
        <translation>Absurd data: the final temperature must lie between the outside and inside ones</translation>
    </message>
    <message>
        <source>La temperatura interior es inferior a la exterior, nunca condensa en el interior, por tanto no es posible esta condición</source>
        <translation>The inside temperature is below the outside one: there is never condensation inside, so this condition is not possible</translation>
    </message>
    <message>
        <source>La temperatura de rocío interior es menor que la temperatura exterior, por lo tanto nunca condensa y no es posible esta condición</source>
        <translation>The inside dew point is below the outside temperature: there is never condensation, so this condition is not possible</translation>
    </message>
    <message>
        <source>Datos absurdos, no congela, ya que la temperatura exterior es igual o superior a 0 ºC</source>
        <translation>Absurd data: no freezing, since the outside temperature is 0 ºC or above</translation>
    </message>
    <message>
        <source>Datos absurdos, no congela, ya que la temperatura interior ya es inferior a la exterior</source>
        <translation>Absurd data: no freezing, since the inside temperature is already below the outside one</translation>
    </message>
    <message>
        <source>Datos absurdos, pues sin aislamiento la resistencia ya es mayor.</source>
        <translation>Absurd data: without insulation the resistance is already higher.</translation>
    </message>
    <message>
        <source>Datos absurdos, pues sin aislamiento la resistencia de la tubería ya es mayor.</source>
        <translation>Absurd data: without insulation the resistance of the pipe is already higher.</translation>
    </message>
    <message>
        <source>No es posible calcular el coeficiente interior: con esta temperatura o esta velocidad del agua la correlación no da un valor positivo. Imponga el coeficiente interior.</source>
        <translation>The inside surface coefficient cannot be calculated: at this water temperature or velocity the correlation gives no positive value. Impose the inside coefficient.</translation>
    </message>
    <message>
        <source>No es posible calcular un espesor de aislante: en un conducto tan estrecho el aislante aumenta más el perímetro exterior que la resistencia térmica, y cuanto más grueso es, mayor es el flujo de calor por metro de conducto</source>
        <translation>No insulation thickness can be calculated: in so narrow a duct the insulation adds more to the outer perimeter than to the thermal resistance, and the thicker it is, the greater the heat flow per metre of duct</translation>
    </message>
</context>
<context>
    <name>CalcSubcommand</name>
    <message>
        <source>escribe TEXTO en el campo CONTROL como el usuario: pulsa en el campo, escribe y sale de él (lo comprueba); se repite</source>
        <translation>types TEXT into the field CONTROL as the user does: clicks the field, types and leaves it (which checks it); may be repeated</translation>
    </message>
    <message>
        <source>CONTROL=TEXTO</source>
        <translation>CONTROL=TEXT</translation>
    </message>
    <message>
        <source>pulsa un botón, una imagen o un campo, marca una capa aislante (RBAislanteN) o elige la FILA, desde 0, de una lista; se repite. Las acciones siguen el orden dado</source>
        <translation>clicks a button, a picture or a field, marks an insulation layer (RBAislanteN) or chooses ROW, from 0, of a list; may be repeated. The actions follow the order given</translation>
    </message>
    <message>
        <source>CONTROL[=FILA]</source>
        <translation>CONTROL[=ROW]</translation>
    </message>
    <message>
        <source>falta el valor tras --%1</source>
        <translation>missing value after --%1</translation>
    </message>
    <message>
        <source>opción desconocida: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>calc espera un archivo de proyecto</source>
        <translation>calc expects one project file</translation>
    </message>
    <message>
        <source>%1 abre un diálogo o el procesador de textos; calc no lo pulsa</source>
        <translation>%1 opens a dialog or the word processor; calc does not click it</translation>
    </message>
</context>
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
        <translation>The inside velocity is missing</translation>
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
        <translation>The outside velocity is missing</translation>
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
    <name>CaseFields</name>
    <message>
        <source>Condición de diseño</source>
        <translation>Design condition</translation>
    </message>
    <message>
        <source>Capa de aislamiento</source>
        <translation>Insulation layer</translation>
    </message>
    <message>
        <source>Nombre de la capa</source>
        <translation>Layer name</translation>
    </message>
    <message>
        <source>Espesor de la capa</source>
        <translation>Layer thickness</translation>
    </message>
    <message>
        <source>Conductividad de la capa</source>
        <translation>Layer thermal conductivity</translation>
    </message>
    <message>
        <source>Resistencia térmica de la capa</source>
        <translation>Layer thermal resistance</translation>
    </message>
    <message>
        <source>Resistividad al vapor de la capa</source>
        <translation>Layer water-vapour resistivity</translation>
    </message>
    <message>
        <source>Referencia</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Temperatura interior</source>
        <translation>Inside temperature</translation>
    </message>
    <message>
        <source>Humedad relativa interior</source>
        <translation>Inside relative humidity</translation>
    </message>
    <message>
        <source>Coeficiente superficial interior hi</source>
        <translation>Inside surface coefficient hi</translation>
    </message>
    <message>
        <source>Diámetro interior</source>
        <translation>Inside diameter</translation>
    </message>
    <message>
        <source>Número de capas</source>
        <translation>Number of layers</translation>
    </message>
    <message>
        <source>Relleno de la caja</source>
        <translation>Casing filling</translation>
    </message>
    <message>
        <source>Dimensión de la caja</source>
        <translation>Casing size</translation>
    </message>
    <message>
        <source>Conductividad del material de la caja</source>
        <translation>Conductivity of the casing material</translation>
    </message>
    <message>
        <source>Resistencia térmica de la caja</source>
        <translation>Thermal resistance of the casing</translation>
    </message>
    <message>
        <source>Temperatura exterior</source>
        <translation>Outside temperature</translation>
    </message>
    <message>
        <source>Humedad relativa exterior</source>
        <translation>Outside relative humidity</translation>
    </message>
    <message>
        <source>Coeficiente superficial exterior he</source>
        <translation>Outside surface coefficient he</translation>
    </message>
    <message>
        <source>Coeficiente interior</source>
        <translation>Inside coefficient</translation>
    </message>
    <message>
        <source>Anchura del conducto</source>
        <translation>Duct width</translation>
    </message>
    <message>
        <source>Altura</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Coeficiente de emisión de la superficie interior</source>
        <translation>Emissivity of the inner surface</translation>
    </message>
    <message>
        <source>Velocidad del fluido interior</source>
        <translation>Speed of the inside fluid</translation>
    </message>
    <message>
        <source>Coeficiente exterior</source>
        <translation>Outside coefficient</translation>
    </message>
    <message>
        <source>Ambiente</source>
        <translation>Surroundings</translation>
    </message>
    <message>
        <source>Coeficiente de emisión de la superficie exterior</source>
        <translation>Emissivity of the outer surface</translation>
    </message>
    <message>
        <source>Velocidad del viento</source>
        <translation>Wind speed</translation>
    </message>
    <message>
        <source>Propiedades del terreno</source>
        <translation>Soil properties</translation>
    </message>
    <message>
        <source>Temperatura del suelo</source>
        <translation>Ground temperature</translation>
    </message>
    <message>
        <source>Densidad del terreno</source>
        <translation>Soil density</translation>
    </message>
    <message>
        <source>Profundidad del eje de la tubería</source>
        <translation>Depth of the pipe axis</translation>
    </message>
    <message>
        <source>Humedad del terreno</source>
        <translation>Soil moisture</translation>
    </message>
    <message>
        <source>Conductividad del terreno</source>
        <translation>Soil thermal conductivity</translation>
    </message>
    <message>
        <source>Elemento</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Flujo de calor que se desea transferir</source>
        <translation>Heat flow to be transferred</translation>
    </message>
    <message>
        <source>Flujo de calor con aislamiento, respecto al de la superficie desnuda</source>
        <translation>Heat flow with insulation, relative to the bare surface</translation>
    </message>
    <message>
        <source>Resistencia térmica que se desea</source>
        <translation>Wanted thermal resistance</translation>
    </message>
    <message>
        <source>Temperatura superficial exterior deseada</source>
        <translation>Wanted outer surface temperature</translation>
    </message>
    <message>
        <source>Temperatura superficial interior deseada</source>
        <translation>Wanted inner surface temperature</translation>
    </message>
    <message>
        <source>Tiempo hasta la congelación</source>
        <translation>Time until freezing</translation>
    </message>
    <message>
        <source>Parte del agua congelada en ese tiempo</source>
        <translation>Share of the water frozen in that time</translation>
    </message>
    <message>
        <source>Temperatura final del agua</source>
        <translation>Final water temperature</translation>
    </message>
    <message>
        <source>Longitud de la tubería</source>
        <translation>Pipe length</translation>
    </message>
    <message>
        <source>Longitud</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Temperatura final del aire</source>
        <translation>Final air temperature</translation>
    </message>
    <message>
        <source>Condensaciones interiores</source>
        <translation>Condensation inside</translation>
    </message>
    <message>
        <source>Inflación del combustible</source>
        <translation>Fuel inflation</translation>
    </message>
    <message>
        <source>Coste de la energía térmica</source>
        <translation>Cost of heat energy</translation>
    </message>
    <message>
        <source>Coste de oportunidad del dinero</source>
        <translation>Cost of capital</translation>
    </message>
    <message>
        <source>Años de vida de la instalación</source>
        <translation>Service life of the installation</translation>
    </message>
    <message>
        <source>Horas de funcionamiento al año</source>
        <translation>Operating hours per year</translation>
    </message>
    <message>
        <source>Coste del aislamiento con el primer espesor</source>
        <translation>Insulation cost at the first thickness</translation>
    </message>
    <message>
        <source>Primer espesor de coste conocido</source>
        <translation>First thickness of known cost</translation>
    </message>
    <message>
        <source>Coste del aislamiento con el segundo espesor</source>
        <translation>Insulation cost at the second thickness</translation>
    </message>
    <message>
        <source>Segundo espesor de coste conocido</source>
        <translation>Second thickness of known cost</translation>
    </message>
    <message>
        <source>Calcular</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Tipo de placa</source>
        <translation>Wall type</translation>
    </message>
    <message>
        <source>Tipo de tubería</source>
        <translation>Pipe type</translation>
    </message>
    <message>
        <source>Tipo de elemento</source>
        <translation>Element type</translation>
    </message>
    <message>
        <source>años</source>
        <translation>years</translation>
    </message>
</context>
<context>
    <name>CaseFile</name>
    <message>
        <source>no se puede leer el archivo</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>el archivo es demasiado grande para ser un proyecto</source>
        <translation>the file is too large to be a project</translation>
    </message>
    <message>
        <source>No es posible abrir el proyecto &quot;%1&quot;: %2.</source>
        <translation>The project &quot;%1&quot; cannot be opened: %2.</translation>
    </message>
</context>
<context>
    <name>CaseNames</name>
    <message>
        <source>Flujo de calor (W/m2)</source>
        <translation>Heat flux (W/m2)</translation>
    </message>
    <message>
        <source>Flujo de calor (W/m)</source>
        <translation>Heat flux (W/m)</translation>
    </message>
    <message>
        <source>Pérdida calor con aislamiento (%)</source>
        <translation>Heat loss with insulation (%)</translation>
    </message>
    <message>
        <source>Resistencia térmica lineal (mºC/W)</source>
        <translation>Linear thermal resistance (mºC/W)</translation>
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
        <source>Coef. global de trans. calor (W/m2ºC)</source>
        <translation>Overall heat-transfer coef. (W/m2ºC)</translation>
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
        <source>Temp. final agua</source>
        <translation>Final water temp.</translation>
    </message>
    <message>
        <source>Tiempo congelación (h)</source>
        <translation>Freezing time (h)</translation>
    </message>
    <message>
        <source>Flujo de calor (W)</source>
        <translation>Heat flow (W)</translation>
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
        <source>Placa plana</source>
        <translation>Flat wall</translation>
    </message>
    <message>
        <source>Tubería</source>
        <translation>Pipe</translation>
    </message>
    <message>
        <source>Esfera</source>
        <translation>Sphere</translation>
    </message>
    <message>
        <source>Conducto o depósito</source>
        <translation>Duct or tank</translation>
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
        <source>Flujo de calor</source>
        <translation>Heat flux</translation>
    </message>
    <message>
        <source>Espesor aislamiento</source>
        <translation>Insulation thickness</translation>
    </message>
</context>
<context>
    <name>ChartLabels</name>
    <message>
        <source>Temperatura</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Punto de rocío</source>
        <translation>Dew point</translation>
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
    <name>CommandLine</name>
    <message>
        <source>FILE [--set CONTROL=TEXTO]... [--click CONTROL[=FILA]]... [--decimal-separator , | .]</source>
        <translation>FILE [--set CONTROL=TEXT]... [--click CONTROL[=ROW]]... [--decimal-separator , | .]</translation>
    </message>
    <message>
        <source>Abre FILE como &quot;Abrir&quot; (que lo calcula), hace en orden lo que dicen --set y --click como el usuario en la ventana y escribe en JSON el estado de la ventana: los avisos, cada control y la gráfica.</source>
        <translation>Opens FILE as &quot;Open&quot; does (which calculates it), does in order what --set and --click say as the user would on the window, and writes the state of the window as JSON: the messages, every control and the chart.</translation>
    </message>
    <message>
        <source>0 archivo leído, 1 uso incorrecto, 2 archivo rechazado o acción que la ventana no admite (control desconocido, fila fuera de límites...; nada en la salida estándar).</source>
        <translation>0 file read, 1 wrong use, 2 file refused or an action the window does not allow (unknown control, row out of range...; nothing on the standard output).</translation>
    </message>
    <message>
        <source>FILE [--thickness E1,E2,...] [--layer N] [--format csv|json] [--decimal-separator , | .]</source>
        <translation>FILE [--thickness E1,E2,...] [--layer N] [--format csv|json] [--decimal-separator , | .]</translation>
    </message>
    <message>
        <source>Abre FILE como &quot;Abrir&quot; y escribe la tabla de espesores de su caso: flujo de calor, temperatura de superficie, energía, costes y RITE para cada espesor de la capa de aislamiento (o de la capa N).</source>
        <translation>Opens FILE as &quot;Open&quot; does and writes the thickness table of its case: heat flow, surface temperature, energy, costs and RITE for each thickness of the insulation layer (or of layer N).</translation>
    </message>
    <message>
        <source>0 tabla escrita, 1 uso incorrecto, 2 archivo rechazado o caso sin tabla, también si la capa N no está en uso (el motivo en la salida de errores).</source>
        <translation>0 table written, 1 wrong use, 2 file refused or a case without a table, also when layer N is not in use (the reason on the standard error).</translation>
    </message>
    <message>
        <source>FILE... [--format csv|json] [--decimal-separator , | .]</source>
        <translation>FILE... [--format csv|json] [--decimal-separator , | .]</translation>
    </message>
    <message>
        <source>Abre cada FILE como &quot;Abrir&quot; y escribe una fila por archivo: referencia, elemento, condición, aislante, resultados, RITE y avisos.</source>
        <translation>Opens each FILE as &quot;Open&quot; does and writes one row per file: reference, element, condition, insulation, results, RITE and messages.</translation>
    </message>
    <message>
        <source>0 todos los archivos leídos, 1 uso incorrecto, 2 algún archivo rechazado (su fila lleva el aviso).</source>
        <translation>0 all files read, 1 wrong use, 2 some file refused (its row carries the message).</translation>
    </message>
    <message>
        <source>FILE [--power-kw P] [--format csv|json] [--decimal-separator , | .]
  brenak-cli installation --import-csv LISTA.csv --template PROYECTO.txt [--power-kw P] [--save DOC] [--format csv|json] [--decimal-separator , | .]</source>
        <translation>FILE [--power-kw P] [--format csv|json] [--decimal-separator , | .]
  brenak-cli installation --import-csv LIST.csv --template PROJECT.txt [--power-kw P] [--save DOC] [--format csv|json] [--decimal-separator , | .]</translation>
    </message>
    <message>
        <source>Calcula una instalación (un documento .brenak-instalacion.json, o una lista de secciones en CSV con un proyecto plantilla) y escribe cada sección con sus resultados, los totales, los dos procedimientos del RITE y la medición del aislamiento.</source>
        <translation>Calculates an installation (a .brenak-instalacion.json document, or a CSV list of sections with a template project) and writes each section with its results, the totals, the two RITE procedures and the insulation quantities.</translation>
    </message>
    <message>
        <source>0 todas las secciones calculadas, 1 uso incorrecto, 2 alguna sección o línea de la lista rechazada (su número y el motivo en la salida de errores) o documento, lista o plantilla ilegible, 3 la instalación no se ha podido guardar.</source>
        <translation>0 all sections calculated, 1 wrong use, 2 some section or line of the list refused (its number and the reason on the standard error) or an unreadable document, list or template, 3 the installation could not be saved.</translation>
    </message>
    <message>
        <source>FILE OUT.odt|OUT.pdf [--decimal-separator , | .]</source>
        <translation>FILE OUT.odt|OUT.pdf [--decimal-separator , | .]</translation>
    </message>
    <message>
        <source>Abre FILE como &quot;Abrir&quot; y escribe el informe del proyecto calculado: un PDF si OUT termina en .pdf, un texto OpenDocument si no.</source>
        <translation>Opens FILE as &quot;Open&quot; does and writes the report of the calculated project: a PDF if OUT ends in .pdf, an OpenDocument text otherwise.</translation>
    </message>
    <message>
        <source>0 informe escrito, 1 uso incorrecto, 2 el archivo no es un proyecto, 3 el proyecto no se ha calculado, 4 el informe no se ha podido escribir.</source>
        <translation>0 report written, 1 wrong use, 2 the file is not a project, 3 the project has not been calculated, 4 the report could not be written.</translation>
    </message>
    <message>
        <source>FILE OUT.png [--size WxH] [--scale F] [--show-chart] [--welcome] [--click CONTROL]...</source>
        <translation>FILE OUT.png [--size WxH] [--scale F] [--show-chart] [--welcome] [--click CONTROL]...</translation>
    </message>
    <message>
        <source>Abre FILE en la ventana, sin pantalla, pulsa los controles pedidos y guarda una imagen de toda la ventana.</source>
        <translation>Opens FILE on the window, without a screen, clicks the controls asked for and saves a picture of the whole window.</translation>
    </message>
    <message>
        <source>0 imagen guardada, 1 uso incorrecto o imagen no escrita, 2 el archivo no es un proyecto.</source>
        <translation>0 picture saved, 1 wrong use or picture not written, 2 the file is not a project.</translation>
    </message>
    <message>
        <source>FILE OUT.png [--size WxH] [--scale F]</source>
        <translation>FILE OUT.png [--size WxH] [--scale F]</translation>
    </message>
    <message>
        <source>Abre FILE en la ventana, sin pantalla, y guarda una imagen de la gráfica de temperaturas.</source>
        <translation>Opens FILE on the window, without a screen, and saves a picture of the temperature chart.</translation>
    </message>
    <message>
        <source>Uso:</source>
        <translation>Usage:</translation>
    </message>
    <message>
        <source>Opciones:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>muestra esta ayuda</source>
        <translation>shows this help</translation>
    </message>
    <message>
        <source>muestra la versión del programa</source>
        <translation>shows the version of the program</translation>
    </message>
    <message>
        <source>formato de la tabla: CSV con cabecera (por omisión) o JSON</source>
        <translation>table format: CSV with a header line (the default) or JSON</translation>
    </message>
    <message>
        <source>separador decimal de los números: coma o punto</source>
        <translation>decimal separator of the numbers: comma or point</translation>
    </message>
    <message>
        <source>Órdenes:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>Cada orden describe sus opciones: brenak-cli ORDEN --help.</source>
        <translation>Each command describes its options: brenak-cli COMMAND --help.</translation>
    </message>
    <message>
        <source>Estado de salida: %1</source>
        <translation>Exit status: %1</translation>
    </message>
    <message>
        <source>falta el separador decimal tras --decimal-separator</source>
        <translation>missing decimal separator after --decimal-separator</translation>
    </message>
    <message>
        <source>el separador decimal debe ser &quot;,&quot; o &quot;.&quot;</source>
        <translation>the decimal separator must be &quot;,&quot; or &quot;.&quot;</translation>
    </message>
    <message>
        <source>falta la orden</source>
        <translation>missing command</translation>
    </message>
    <message>
        <source>orden</source>
        <translation>command</translation>
    </message>
    <message>
        <source>la orden y sus argumentos</source>
        <translation>the command and its arguments</translation>
    </message>
    <message>
        <source>orden desconocida: %1</source>
        <translation>unknown command: %1</translation>
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
        <translation>Velocity            m/s</translation>
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
    <name>FieldDescription</name>
    <message>
        <source>Referencia del proyecto, que encabeza el informe</source>
        <translation>Project reference, heading the report</translation>
    </message>
    <message>
        <source>Temperatura interior</source>
        <translation>Inside temperature</translation>
    </message>
    <message>
        <source>Humedad relativa interior</source>
        <translation>Inside relative humidity</translation>
    </message>
    <message>
        <source>Coeficiente superficial interior hi</source>
        <translation>Inside surface coefficient hi</translation>
    </message>
    <message>
        <source>Parte de convección del coeficiente interior, hci</source>
        <translation>Convective part of the inside coefficient, hci</translation>
    </message>
    <message>
        <source>Parte de radiación del coeficiente interior, hri</source>
        <translation>Radiative part of the inside coefficient, hri</translation>
    </message>
    <message>
        <source>Anchura del conducto</source>
        <translation>Duct width</translation>
    </message>
    <message>
        <source>Coeficiente de emisión de la superficie interior</source>
        <translation>Emissivity of the inner surface</translation>
    </message>
    <message>
        <source>Velocidad del fluido interior</source>
        <translation>Speed of the inside fluid</translation>
    </message>
    <message>
        <source>Diámetro interior</source>
        <translation>Inside diameter</translation>
    </message>
    <message>
        <source>Temperatura exterior</source>
        <translation>Outside temperature</translation>
    </message>
    <message>
        <source>Humedad relativa exterior</source>
        <translation>Outside relative humidity</translation>
    </message>
    <message>
        <source>Coeficiente superficial exterior he</source>
        <translation>Outside surface coefficient he</translation>
    </message>
    <message>
        <source>Parte de convección del coeficiente exterior, hce</source>
        <translation>Convective part of the outside coefficient, hce</translation>
    </message>
    <message>
        <source>Parte de radiación del coeficiente exterior, hre</source>
        <translation>Radiative part of the outside coefficient, hre</translation>
    </message>
    <message>
        <source>Coeficiente de emisión de la superficie exterior</source>
        <translation>Emissivity of the outer surface</translation>
    </message>
    <message>
        <source>Velocidad del viento</source>
        <translation>Wind speed</translation>
    </message>
    <message>
        <source>Temperatura del suelo</source>
        <translation>Ground temperature</translation>
    </message>
    <message>
        <source>Profundidad del eje de la tubería</source>
        <translation>Depth of the pipe axis</translation>
    </message>
    <message>
        <source>Conductividad del terreno</source>
        <translation>Soil thermal conductivity</translation>
    </message>
    <message>
        <source>Humedad del terreno</source>
        <translation>Soil moisture</translation>
    </message>
    <message>
        <source>Densidad del terreno</source>
        <translation>Soil density</translation>
    </message>
    <message>
        <source>Dimensión de la caja</source>
        <translation>Casing size</translation>
    </message>
    <message>
        <source>Conductividad del material de la caja</source>
        <translation>Conductivity of the casing material</translation>
    </message>
    <message>
        <source>Resistencia térmica de la caja</source>
        <translation>Thermal resistance of the casing</translation>
    </message>
    <message>
        <source>Flujo de calor con aislamiento, respecto al de la superficie desnuda</source>
        <translation>Heat flow with insulation, relative to the bare surface</translation>
    </message>
    <message>
        <source>Temperatura superficial exterior deseada</source>
        <translation>Wanted outer surface temperature</translation>
    </message>
    <message>
        <source>Temperatura superficial interior deseada</source>
        <translation>Wanted inner surface temperature</translation>
    </message>
    <message>
        <source>Temperatura final del agua</source>
        <translation>Final water temperature</translation>
    </message>
    <message>
        <source>Longitud de la tubería</source>
        <translation>Pipe length</translation>
    </message>
    <message>
        <source>Tiempo hasta la congelación</source>
        <translation>Time until freezing</translation>
    </message>
    <message>
        <source>Parte del agua congelada en ese tiempo</source>
        <translation>Share of the water frozen in that time</translation>
    </message>
    <message>
        <source>Inflación del combustible</source>
        <translation>Fuel inflation</translation>
    </message>
    <message>
        <source>Coste de oportunidad del dinero</source>
        <translation>Cost of capital</translation>
    </message>
    <message>
        <source>Años de vida de la instalación</source>
        <translation>Service life of the installation</translation>
    </message>
    <message>
        <source>años</source>
        <translation>years</translation>
    </message>
    <message>
        <source>Horas de funcionamiento al año</source>
        <translation>Operating hours per year</translation>
    </message>
    <message>
        <source>Coste de la energía térmica</source>
        <translation>Cost of heat energy</translation>
    </message>
    <message>
        <source>Primer espesor de coste conocido</source>
        <translation>First thickness of known cost</translation>
    </message>
    <message>
        <source>Segundo espesor de coste conocido</source>
        <translation>Second thickness of known cost</translation>
    </message>
    <message>
        <source>Coste del aislamiento con el primer espesor</source>
        <translation>Insulation cost at the first thickness</translation>
    </message>
    <message>
        <source>Coste del aislamiento con el segundo espesor</source>
        <translation>Insulation cost at the second thickness</translation>
    </message>
    <message>
        <source>Nombre de la capa %1</source>
        <translation>Name of layer %1</translation>
    </message>
    <message>
        <source>Espesor de la capa %1</source>
        <translation>Thickness of layer %1</translation>
    </message>
    <message>
        <source>Conductividad de la capa %1</source>
        <translation>Thermal conductivity of layer %1</translation>
    </message>
    <message>
        <source>Resistividad al vapor de la capa %1</source>
        <translation>Water-vapour resistivity of layer %1</translation>
    </message>
    <message>
        <source>Longitud de la placa</source>
        <translation>Length of the wall</translation>
    </message>
    <message>
        <source>Anchura de la placa</source>
        <translation>Width of the wall</translation>
    </message>
    <message>
        <source>Altura de la placa</source>
        <translation>Height of the wall</translation>
    </message>
    <message>
        <source>Resistencia térmica de la capa %1</source>
        <translation>Thermal resistance of layer %1</translation>
    </message>
    <message>
        <source>Resistencia superficial interior</source>
        <translation>Inside surface resistance</translation>
    </message>
    <message>
        <source>Resistencia del terreno</source>
        <translation>Soil resistance</translation>
    </message>
    <message>
        <source>Resistencia superficial exterior</source>
        <translation>Outside surface resistance</translation>
    </message>
    <message>
        <source>Flujo de calor deseado</source>
        <translation>Wanted heat flow</translation>
    </message>
    <message>
        <source>Coeficiente global de transmisión de calor deseado</source>
        <translation>Wanted overall heat-transfer coefficient</translation>
    </message>
    <message>
        <source>Resistencia térmica deseada</source>
        <translation>Wanted thermal resistance</translation>
    </message>
    <message>
        <source>Resistencia térmica lineal deseada</source>
        <translation>Wanted linear thermal resistance</translation>
    </message>
    <message>
        <source>Altura del conducto</source>
        <translation>Duct height</translation>
    </message>
    <message>
        <source>Longitud del conducto</source>
        <translation>Duct length</translation>
    </message>
    <message>
        <source>Longitud del depósito</source>
        <translation>Tank length</translation>
    </message>
    <message>
        <source>Longitud</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>, nº entero entre %1 y %2</source>
        <translation>, whole number between %1 and %2</translation>
    </message>
    <message>
        <source>, entre %1 y %2</source>
        <translation>, between %1 and %2</translation>
    </message>
    <message>
        <source>, calculado por el programa</source>
        <translation>, calculated by the program</translation>
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
    <name>InstallationCaseLink</name>
    <message>
        <source>Estos cambios del caso no caben en las columnas de la fila %1 y siguen solo en la ventana principal: %2.</source>
        <translation>These changes to the case do not fit the columns of row %1 and stay on the main window only: %2.</translation>
    </message>
</context>
<context>
    <name>InstallationCommands</name>
    <message>
        <source>Instalación de Brenak (*.brenak-instalacion.json)|*.brenak-instalacion.json</source>
        <translation>Brenak installation (*.brenak-instalacion.json)|*.brenak-instalacion.json</translation>
    </message>
    <message>
        <source>Lista CSV (*.csv)|*.csv</source>
        <translation>CSV list (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Instalación</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Instalación sin título</source>
        <translation>Untitled installation</translation>
    </message>
    <message>
        <source>No es posible leer la lista &quot;%1&quot;: %2.</source>
        <translation>The list &quot;%1&quot; cannot be read: %2.</translation>
    </message>
    <message>
        <source>No es posible importar la lista &quot;%1&quot;: %2.</source>
        <translation>The list &quot;%1&quot; cannot be imported: %2.</translation>
    </message>
    <message>
        <source>De la lista &quot;%1&quot; se han importado %2 tramos.</source>
        <translation>%2 sections imported from the list &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Columnas que el programa no conoce, no leídas: %1.</source>
        <translation>Columns the program does not know, not read: %1.</translation>
    </message>
    <message>
        <source>Líneas no importadas:</source>
        <translation>Lines not imported:</translation>
    </message>
    <message>
        <source>línea %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>y %1 líneas más.</source>
        <translation>and %1 more lines.</translation>
    </message>
    <message>
        <source>No es posible escribir la tabla en &quot;%1&quot;. El archivo que hubiera con ese nombre no ha cambiado.</source>
        <translation>The table cannot be written to &quot;%1&quot;. Any file of that name is unchanged.</translation>
    </message>
    <message>
        <source> - medición.csv</source>
        <translation> - quantities.csv</translation>
    </message>
    <message>
        <source>No es posible escribir la medición en &quot;%1&quot;. El archivo que hubiera con ese nombre no ha cambiado.</source>
        <translation>The quantities cannot be written to &quot;%1&quot;. Any file of that name is unchanged.</translation>
    </message>
    <message>
        <source>No se ha podido crear la carpeta de los informes. La memoria no se ha guardado.</source>
        <translation>The reports folder could not be created. The memorandum has not been saved.</translation>
    </message>
    <message>
        <source>No se ha podido escribir la memoria en %1 (%2). La memoria no se ha guardado.</source>
        <translation>The memorandum could not be written to %1 (%2). The memorandum has not been saved.</translation>
    </message>
    <message>
        <source>No hay ninguna aplicación que abra la memoria. Está guardada en %1</source>
        <translation>No application opens the memorandum. It is saved in %1</translation>
    </message>
    <message>
        <source>No se ha podido escribir el PDF en %1 (%2). La memoria no se ha guardado.</source>
        <translation>The PDF could not be written to %1 (%2). The memorandum has not been saved.</translation>
    </message>
</context>
<context>
    <name>InstallationDocument</name>
    <message>
        <source>Tubería en aire, horizontal</source>
        <translation>Pipe in air, horizontal</translation>
    </message>
    <message>
        <source>Tubería en aire, vertical</source>
        <translation>Pipe in air, vertical</translation>
    </message>
    <message>
        <source>Tubería enterrada</source>
        <translation>Buried pipe</translation>
    </message>
    <message>
        <source>Tubería enterrada en caja</source>
        <translation>Buried pipe in a box</translation>
    </message>
    <message>
        <source>Conducto de aire</source>
        <translation>Air duct</translation>
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
        <source>Placa plana</source>
        <translation>Flat wall</translation>
    </message>
    <message>
        <source>Esfera</source>
        <translation>Sphere</translation>
    </message>
    <message>
        <source>Interior</source>
        <translation>Inside</translation>
    </message>
    <message>
        <source>Exterior</source>
        <translation>Outside</translation>
    </message>
    <message>
        <source>Enterrada</source>
        <translation>Buried</translation>
    </message>
    <message>
        <source>Gas natural</source>
        <translation>Natural gas</translation>
    </message>
    <message>
        <source>Gasóleo calefacción</source>
        <translation>Heating oil</translation>
    </message>
    <message>
        <source>GLP</source>
        <translation>LPG</translation>
    </message>
    <message>
        <source>Electricidad peninsular</source>
        <translation>Electricity (mainland grid)</translation>
    </message>
    <message>
        <source>Otra</source>
        <translation>Other</translation>
    </message>
</context>
<context>
    <name>InstallationExport</name>
    <message>
        <source>Sin veredicto: no hay secciones calculadas</source>
        <translation>No verdict: no section calculated</translation>
    </message>
    <message>
        <source>Sin veredicto: %1 %2 fuera de los totales</source>
        <translation>No verdict: %1 %2 left out of the totals</translation>
    </message>
    <message>
        <source>sección</source>
        <translation>section</translation>
    </message>
    <message>
        <source>secciones</source>
        <translation>sections</translation>
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
        <source>Medida</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Cantidad</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Unidad</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>T. fluido (ºC)</source>
        <translation>T. fluid (ºC)</translation>
    </message>
    <message>
        <source>T. ambiente (ºC)</source>
        <translation>T. ambient (ºC)</translation>
    </message>
    <message>
        <source>Ubicación</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Aislante</source>
        <translation>Insulation</translation>
    </message>
    <message>
        <source>Espesor (mm)</source>
        <translation>Thickness (mm)</translation>
    </message>
    <message>
        <source>Flujo por unidad</source>
        <translation>Heat flow per unit</translation>
    </message>
    <message>
        <source>Flujo de la sección (W)</source>
        <translation>Section heat flow (W)</translation>
    </message>
    <message>
        <source>T. superficie (ºC)</source>
        <translation>T. surface (ºC)</translation>
    </message>
    <message>
        <source>Condensa</source>
        <translation>Condenses</translation>
    </message>
    <message>
        <source>Margen al rocío (ºC)</source>
        <translation>Dew-point margin (ºC)</translation>
    </message>
    <message>
        <source>Mínimo RITE interior (mm)</source>
        <translation>RITE minimum inside (mm)</translation>
    </message>
    <message>
        <source>Mínimo RITE exterior (mm)</source>
        <translation>RITE minimum outside (mm)</translation>
    </message>
    <message>
        <source>Mensajes</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Sí</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Secciones</source>
        <translation>Sections</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Secciones calculadas: %1</source>
        <translation>Sections calculated: %1</translation>
    </message>
    <message>
        <source>Secciones fuera de los totales: %1</source>
        <translation>Sections left out of the totals: %1</translation>
    </message>
    <message>
        <source>Pérdidas de calor: %1 W (sin aislar %2 W)</source>
        <translation>Heat losses: %1 W (bare %2 W)</translation>
    </message>
    <message>
        <source>Energía al año: %1 kWh (sin aislar %2 kWh; ahorro %3 kWh)</source>
        <translation>Energy per year: %1 kWh (bare %2 kWh; saving %3 kWh)</translation>
    </message>
    <message>
        <source>Coste al año: %1 euros (sin aislar %2 euros; ahorro %3 euros)</source>
        <translation>Cost per year: %1 euros (bare %2 euros; saving %3 euros)</translation>
    </message>
    <message>
        <source>CO2 al año: %1 kg (sin aislar %2 kg; ahorro %3 kg)</source>
        <translation>CO2 per year: %1 kg (bare %2 kg; saving %3 kg)</translation>
    </message>
    <message>
        <source>RITE, procedimiento simplificado: %1</source>
        <translation>RITE, simplified procedure: %1</translation>
    </message>
    <message>
        <source>cumple</source>
        <translation>meets</translation>
    </message>
    <message>
        <source>no cumple (%1 secciones bajo el mínimo)</source>
        <translation>does not meet (%1 sections below the minimum)</translation>
    </message>
    <message>
        <source>RITE, procedimiento alternativo: pérdidas de las tuberías %1 W, %2 % de %3 kW: %4</source>
        <translation>RITE, alternative procedure: pipe losses %1 W, %2 % of %3 kW: %4</translation>
    </message>
    <message>
        <source>no cumple</source>
        <translation>does not meet</translation>
    </message>
    <message>
        <source>RITE, procedimiento alternativo: falta la potencia máxima de la instalación</source>
        <translation>RITE, alternative procedure: the maximum power of the installation is missing</translation>
    </message>
    <message>
        <source>Procedimiento que rige: %1. La instalación %2 el RITE</source>
        <translation>Governing procedure: %1. The installation %2 the RITE</translation>
    </message>
    <message>
        <source>Procedimiento que rige: %1. %2</source>
        <translation>Governing procedure: %1. %2</translation>
    </message>
    <message>
        <source>Cumple</source>
        <translation>Meets</translation>
    </message>
    <message>
        <source>No cumple</source>
        <translation>Does not meet</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Secciones calculadas</source>
        <translation>Sections calculated</translation>
    </message>
    <message>
        <source>Secciones fuera de los totales</source>
        <translation>Sections left out of the totals</translation>
    </message>
    <message>
        <source>Pérdidas de calor (W)</source>
        <translation>Heat losses (W)</translation>
    </message>
    <message>
        <source>Energía al año (kWh)</source>
        <translation>Energy per year (kWh)</translation>
    </message>
    <message>
        <source>Coste al año (euros)</source>
        <translation>Cost per year (euros)</translation>
    </message>
    <message>
        <source>CO2 al año (kg)</source>
        <translation>CO2 per year (kg)</translation>
    </message>
    <message>
        <source>Pérdidas sin aislar (W)</source>
        <translation>Bare heat losses (W)</translation>
    </message>
    <message>
        <source>Energía sin aislar al año (kWh)</source>
        <translation>Bare energy per year (kWh)</translation>
    </message>
    <message>
        <source>Coste sin aislar al año (euros)</source>
        <translation>Bare cost per year (euros)</translation>
    </message>
    <message>
        <source>CO2 sin aislar al año (kg)</source>
        <translation>Bare CO2 per year (kg)</translation>
    </message>
    <message>
        <source>Ahorro de energía al año (kWh)</source>
        <translation>Energy saved per year (kWh)</translation>
    </message>
    <message>
        <source>Ahorro al año (euros)</source>
        <translation>Saving per year (euros)</translation>
    </message>
    <message>
        <source>CO2 evitado al año (kg)</source>
        <translation>CO2 avoided per year (kg)</translation>
    </message>
    <message>
        <source>RITE, procedimiento simplificado</source>
        <translation>RITE, simplified procedure</translation>
    </message>
    <message>
        <source>Potencia máxima (kW)</source>
        <translation>Maximum power (kW)</translation>
    </message>
    <message>
        <source>Pérdidas de las tuberías (W)</source>
        <translation>Pipe losses (W)</translation>
    </message>
    <message>
        <source>Pérdidas de las tuberías (% de la potencia)</source>
        <translation>Pipe losses (% of the power)</translation>
    </message>
    <message>
        <source>RITE, procedimiento alternativo</source>
        <translation>RITE, alternative procedure</translation>
    </message>
    <message>
        <source>Procedimiento que rige</source>
        <translation>Governing procedure</translation>
    </message>
    <message>
        <source>RITE, la instalación</source>
        <translation>RITE, the installation</translation>
    </message>
</context>
<context>
    <name>InstallationFile</name>
    <message>
        <source>no es un objeto</source>
        <translation>is not an object</translation>
    </message>
    <message>
        <source>su elemento no es ninguno de los que el programa conoce</source>
        <translation>its element is none the program knows</translation>
    </message>
    <message>
        <source>su ubicación no es interior, exterior ni enterrada</source>
        <translation>its location is not inside, outside or buried</translation>
    </message>
    <message>
        <source>el valor de &quot;%1&quot; no es un texto</source>
        <translation>the value of &quot;%1&quot; is not a text</translation>
    </message>
    <message>
        <source>&quot;minimo_rite&quot; no es verdadero ni falso</source>
        <translation>&quot;minimo_rite&quot; is neither true nor false</translation>
    </message>
    <message>
        <source>el archivo está dañado o no es una instalación (no es JSON válido)</source>
        <translation>the file is damaged or is not an installation (not valid JSON)</translation>
    </message>
    <message>
        <source>el archivo no es una instalación de este programa</source>
        <translation>the file is not an installation of this program</translation>
    </message>
    <message>
        <source>el archivo no dice la versión de su formato</source>
        <translation>the file does not give the version of its format</translation>
    </message>
    <message>
        <source>la instalación se guardó con una versión más reciente del programa (formato %1; esta versión lee hasta el %2)</source>
        <translation>the installation was saved by a newer version of the program (format %1; this version reads up to %2)</translation>
    </message>
    <message>
        <source>la plantilla no tiene los %1 valores de un proyecto</source>
        <translation>the template does not have the %1 values of a project</translation>
    </message>
    <message>
        <source>un valor de la plantilla no es un texto</source>
        <translation>a value of the template is not a text</translation>
    </message>
    <message>
        <source>la plantilla: </source>
        <translation>the template: </translation>
    </message>
    <message>
        <source>el archivo no tiene la lista de secciones</source>
        <translation>the file has no list of sections</translation>
    </message>
    <message>
        <source>la sección %1 %2</source>
        <translation>section %1 %2</translation>
    </message>
    <message>
        <source>los datos de los totales no son un objeto</source>
        <translation>the data of the totals are not an object</translation>
    </message>
    <message>
        <source>la fuente de energía no es ninguna de las que el programa conoce</source>
        <translation>the energy source is none the program knows</translation>
    </message>
    <message>
        <source>los materiales propios no son una lista</source>
        <translation>the user materials are not a list</translation>
    </message>
    <message>
        <source>un material propio no tiene nombre o conductividad válidos</source>
        <translation>a user material has no valid name or conductivity</translation>
    </message>
    <message>
        <source>no se puede leer el archivo</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>el archivo es demasiado grande para ser una instalación</source>
        <translation>the file is too large to be an installation</translation>
    </message>
    <message>
        <source>no se puede escribir en esa carpeta</source>
        <translation>that folder cannot be written to</translation>
    </message>
    <message>
        <source>no se ha podido escribir el archivo entero</source>
        <translation>the whole file could not be written</translation>
    </message>
    <message>
        <source>no se ha podido completar el archivo</source>
        <translation>the file could not be completed</translation>
    </message>
    <message>
        <source>No es posible abrir la instalación &quot;%1&quot;: %2.</source>
        <translation>The installation &quot;%1&quot; cannot be opened: %2.</translation>
    </message>
    <message>
        <source>No es posible guardar la instalación &quot;%1&quot;: %2.</source>
        <translation>The installation &quot;%1&quot; cannot be saved: %2.</translation>
    </message>
</context>
<context>
    <name>InstallationMemorandum</name>
    <message>
        <source>cumple</source>
        <translation>meets</translation>
    </message>
    <message>
        <source>no cumple</source>
        <translation>does not meet</translation>
    </message>
    <message>
        <source>impuesto, %1 W/m2ºC</source>
        <translation>given, %1 W/m2ºC</translation>
    </message>
    <message>
        <source>despreciado (resistencia térmica despreciable)</source>
        <translation>neglected (negligible thermal resistance)</translation>
    </message>
    <message>
        <source>calculado</source>
        <translation>calculated</translation>
    </message>
    <message>
        <source>Instalación:</source>
        <translation>Installation:</translation>
    </message>
    <message>
        <source>Documento:</source>
        <translation>Document:</translation>
    </message>
    <message>
        <source>sin guardar</source>
        <translation>not saved</translation>
    </message>
    <message>
        <source>Tramos:</source>
        <translation>Sections:</translation>
    </message>
    <message>
        <source>Fecha:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Datos de la instalación</source>
        <translation>Installation data</translation>
    </message>
    <message>
        <source>no dada</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>Horas de funcionamiento al año</source>
        <translation>Operating hours per year</translation>
    </message>
    <message>
        <source>Precio de la energía</source>
        <translation>Energy price</translation>
    </message>
    <message>
        <source>Energía</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>Factor de emisión</source>
        <translation>Emission factor</translation>
    </message>
    <message>
        <source>Potencia máxima de la instalación</source>
        <translation>Maximum power of the installation</translation>
    </message>
    <message>
        <source>Lo que las filas no dicen lo da la plantilla «%1»:</source>
        <translation>What the rows do not say comes from the template «%1»:</translation>
    </message>
    <message>
        <source>Coeficiente interior</source>
        <translation>Inside coefficient</translation>
    </message>
    <message>
        <source>Coeficiente exterior</source>
        <translation>Outside coefficient</translation>
    </message>
    <message>
        <source>, al ambiente exterior</source>
        <translation>, to the open air</translation>
    </message>
    <message>
        <source>, en recinto cerrado</source>
        <translation>, in a closed room</translation>
    </message>
    <message>
        <source>Humedad relativa exterior</source>
        <translation>Outside relative humidity</translation>
    </message>
    <message>
        <source>Emisividad exterior</source>
        <translation>Outside emissivity</translation>
    </message>
    <message>
        <source>Otras capas</source>
        <translation>Other layers</translation>
    </message>
    <message>
        <source>Tramos</source>
        <translation>Sections</translation>
    </message>
    <message>
        <source>Nº</source>
        <translation>No.</translation>
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
        <source>Medida
(mm)</source>
        <translation>Size
(mm)</translation>
    </message>
    <message>
        <source>Cantidad</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>T. fluido
(ºC)</source>
        <translation>T. fluid
(ºC)</translation>
    </message>
    <message>
        <source>T. amb.
(ºC)</source>
        <translation>T. amb.
(ºC)</translation>
    </message>
    <message>
        <source>Ubicación</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Aislante</source>
        <translation>Insulation</translation>
    </message>
    <message>
        <source>Espesor
(mm)</source>
        <translation>Thick.
(mm)</translation>
    </message>
    <message>
        <source>Flujo por
unidad</source>
        <translation>Heat flow
per unit</translation>
    </message>
    <message>
        <source>Flujo del
tramo (W)</source>
        <translation>Section
heat flow (W)</translation>
    </message>
    <message>
        <source>T. superf.
(ºC)</source>
        <translation>T. surf.
(ºC)</translation>
    </message>
    <message>
        <source>Condensa
(margen ºC)</source>
        <translation>Condenses
(margin ºC)</translation>
    </message>
    <message>
        <source>Mín. RITE
int. (mm)</source>
        <translation>RITE min.
inside (mm)</translation>
    </message>
    <message>
        <source>Mín. RITE
ext. (mm)</source>
        <translation>RITE min.
outside (mm)</translation>
    </message>
    <message>
        <source>RITE</source>
        <translation>RITE</translation>
    </message>
    <message>
        <source> (mín. RITE)</source>
        <translation> (min. RITE)</translation>
    </message>
    <message>
        <source>Rechazado</source>
        <translation>Refused</translation>
    </message>
    <message>
        <source>sí (</source>
        <translation>yes (</translation>
    </message>
    <message>
        <source>no (</source>
        <translation>no (</translation>
    </message>
    <message>
        <source>Resultados de cada tramo, con el espesor de aislamiento de la tabla anterior:</source>
        <translation>Results of each section, with the insulation thickness of the table above:</translation>
    </message>
    <message>
        <source>Tramos rechazados por los datos, fuera de los totales:</source>
        <translation>Sections refused for their data, left out of the totals:</translation>
    </message>
    <message>
        <source>Con aislamiento</source>
        <translation>Insulated</translation>
    </message>
    <message>
        <source>Sin aislamiento</source>
        <translation>Bare</translation>
    </message>
    <message>
        <source>Ahorro</source>
        <translation>Saving</translation>
    </message>
    <message>
        <source>Pérdidas de calor (W)</source>
        <translation>Heat losses (W)</translation>
    </message>
    <message>
        <source>Energía al año (kWh)</source>
        <translation>Energy per year (kWh)</translation>
    </message>
    <message>
        <source>Coste al año (euros)</source>
        <translation>Cost per year (euros)</translation>
    </message>
    <message>
        <source>CO2 al año (kg)</source>
        <translation>CO2 per year (kg)</translation>
    </message>
    <message>
        <source>1 tramo calculado</source>
        <translation>1 section calculated</translation>
    </message>
    <message>
        <source>%1 tramos calculados</source>
        <translation>%1 sections calculated</translation>
    </message>
    <message>
        <source>; 1 rechazado, fuera de los totales</source>
        <translation>; 1 refused, left out of the totals</translation>
    </message>
    <message>
        <source>; %1 rechazados, fuera de los totales</source>
        <translation>; %1 refused, left out of the totals</translation>
    </message>
    <message>
        <source>IT 1.2.4.2.1.2: cada tramo lleva al menos el espesor mínimo de las tablas para su fluido, su diámetro y su ubicación.</source>
        <translation>IT 1.2.4.2.1.2: every section has at least the minimum thickness of the tables for its fluid, its diameter and its location.</translation>
    </message>
    <message>
        <source>Cumple: ningún tramo calculado queda bajo su mínimo.</source>
        <translation>Meets: no calculated section is below its minimum.</translation>
    </message>
    <message>
        <source>No cumple: 1 tramo queda bajo su mínimo.</source>
        <translation>Does not meet: 1 section is below its minimum.</translation>
    </message>
    <message>
        <source>No cumple: %1 tramos quedan bajo su mínimo.</source>
        <translation>Does not meet: %1 sections are below their minimum.</translation>
    </message>
    <message>
        <source>%1: %2 mm, mínimo %3 mm</source>
        <translation>%1: %2 mm, minimum %3 mm</translation>
    </message>
    <message>
        <source>IT 1.2.4.2.1.3: las pérdidas de calor de todas las tuberías no superan el 4 % de la potencia máxima que transporta la instalación, y ningún espesor queda bajo el mínimo de las tablas.</source>
        <translation>IT 1.2.4.2.1.3: the heat losses of all the pipes do not exceed 4 % of the maximum power the installation carries, and no thickness is below the minimum of the tables.</translation>
    </message>
    <message>
        <source>Sin la potencia máxima de la instalación no se puede juzgar.</source>
        <translation>Without the maximum power of the installation it cannot be judged.</translation>
    </message>
    <message>
        <source>Pérdidas de las tuberías: %1 W, el %2 % de %3 kW (%4 el 4 %)</source>
        <translation>Pipe losses: %1 W, %2 % of %3 kW (%4 4 %)</translation>
    </message>
    <message>
        <source>no supera</source>
        <translation>does not exceed</translation>
    </message>
    <message>
        <source>supera</source>
        <translation>exceeds</translation>
    </message>
    <message>
        <source>, pero hay tramos bajo el mínimo de las tablas: no cumple.</source>
        <translation>, but some sections are below the minimum of the tables: does not meet.</translation>
    </message>
    <message>
        <source>Sin potencia máxima dada, la instalación se juzga por el procedimiento simplificado.</source>
        <translation>With no maximum power given, the installation is judged by the simplified procedure.</translation>
    </message>
    <message>
        <source>Con %1 kW, más de 70 kW, la instalación ha de justificarse por el procedimiento alternativo.</source>
        <translation>With %1 kW, over 70 kW, the installation must be justified by the alternative procedure.</translation>
    </message>
    <message>
        <source>Con %1 kW, hasta 70 kW, basta el procedimiento simplificado.</source>
        <translation>With %1 kW, up to 70 kW, the simplified procedure suffices.</translation>
    </message>
    <message>
        <source>Sin veredicto: la instalación no tiene ningún tramo calculado.</source>
        <translation>No verdict: the installation has no calculated section.</translation>
    </message>
    <message>
        <source>Sin veredicto: 1 tramo rechazado queda fuera, y podría ser el que no cumple.</source>
        <translation>No verdict: 1 refused section is left out, and it could be the one that does not meet.</translation>
    </message>
    <message>
        <source>Sin veredicto: %1 tramos rechazados quedan fuera, y cualquiera podría ser el que no cumple.</source>
        <translation>No verdict: %1 refused sections are left out, and any of them could be the one that does not meet.</translation>
    </message>
    <message>
        <source>La instalación %1 el RITE por el procedimiento %2.</source>
        <translation>The installation %1 the RITE by the %2 procedure.</translation>
    </message>
    <message>
        <source>alternativo</source>
        <translation>alternative</translation>
    </message>
    <message>
        <source>simplificado</source>
        <translation>simplified</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Espesor (mm)</source>
        <translation>Thickness (mm)</translation>
    </message>
    <message>
        <source>Tubería o superficie</source>
        <translation>Pipe or surface</translation>
    </message>
    <message>
        <source>Unidad</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Total </source>
        <translation>Total </translation>
    </message>
    <message>
        <source>Superficie aislada</source>
        <translation>Insulated surface</translation>
    </message>
    <message>
        <source>Instalación</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Memoria de aislamiento: </source>
        <translation>Insulation memorandum: </translation>
    </message>
    <message>
        <source>Memoria técnica del aislamiento térmico de la instalación</source>
        <translation>Technical memorandum of the thermal insulation of the installation</translation>
    </message>
    <message>
        <source>Cada tramo se calcula como un caso completo: el flujo de calor con el espesor de aislamiento indicado, frente al mínimo del RITE (IT 1.2.4.2.1) para su ubicación.</source>
        <translation>Each section is calculated as a complete case: the heat flow with the insulation thickness given, against the RITE minimum (IT 1.2.4.2.1) for its location.</translation>
    </message>
    <message>
        <source>Totales de la instalación</source>
        <translation>Installation totals</translation>
    </message>
    <message>
        <source>Procedimientos del RITE</source>
        <translation>RITE procedures</translation>
    </message>
    <message>
        <source>Procedimiento simplificado</source>
        <translation>Simplified procedure</translation>
    </message>
    <message>
        <source>Procedimiento alternativo</source>
        <translation>Alternative procedure</translation>
    </message>
    <message>
        <source>Medición de aislamiento</source>
        <translation>Insulation quantities</translation>
    </message>
    <message>
        <source>	Ningún tramo calculado lleva aislamiento.</source>
        <translation>	No calculated section is insulated.</translation>
    </message>
</context>
<context>
    <name>InstallationPanels</name>
    <message>
        <source>Totales</source>
        <translation>Totals</translation>
    </message>
    <message>
        <source>Procedimientos del RITE</source>
        <translation>RITE procedures</translation>
    </message>
    <message>
        <source>Medición de aislamiento</source>
        <translation>Insulation quantities</translation>
    </message>
    <message>
        <source>Datos de los totales</source>
        <translation>Data of the totals</translation>
    </message>
    <message>
        <source>Horas de funcionamiento de la instalación al año</source>
        <translation>Operating hours of the installation per year</translation>
    </message>
    <message>
        <source>Precio de la energía final, euros/kWh</source>
        <translation>Price of the final energy, euros/kWh</translation>
    </message>
    <message>
        <source>La energía con que se pagan las pérdidas; da su factor de emisión</source>
        <translation>The energy that pays for the losses; gives its emission factor</translation>
    </message>
    <message>
        <source>kg de CO2 por kWh de energía final; el de la fuente elegida, o el que se escriba</source>
        <translation>kg of CO2 per kWh of final energy; that of the source chosen, or the one typed</translation>
    </message>
    <message>
        <source>Potencia máxima que transporta la instalación, kW: la pide el procedimiento alternativo del RITE</source>
        <translation>Maximum power the installation carries, kW: the RITE alternative procedure needs it</translation>
    </message>
    <message>
        <source>Horas al año:</source>
        <translation>Hours per year:</translation>
    </message>
    <message>
        <source>Precio (euros/kWh):</source>
        <translation>Price (euros/kWh):</translation>
    </message>
    <message>
        <source>Energía:</source>
        <translation>Energy:</translation>
    </message>
    <message>
        <source>Potencia máxima (kW):</source>
        <translation>Maximum power (kW):</translation>
    </message>
    <message>
        <source>Totales de la instalación</source>
        <translation>Installation totals</translation>
    </message>
    <message>
        <source>Procedimiento simplificado</source>
        <translation>Simplified procedure</translation>
    </message>
    <message>
        <source>Procedimiento alternativo</source>
        <translation>Alternative procedure</translation>
    </message>
    <message>
        <source>Tramos bajo el mínimo de las tablas</source>
        <translation>Sections below the minimum of the tables</translation>
    </message>
    <message>
        <source>Un doble clic lleva a la fila</source>
        <translation>A double click goes to the row</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Copiar la medición al portapapeles, para pegarla en una hoja de cálculo</source>
        <translation>Copy the quantities to the clipboard, to paste them into a spreadsheet</translation>
    </message>
    <message>
        <source>Guardar CSV...</source>
        <translation>Save CSV...</translation>
    </message>
    <message>
        <source>Guardar la medición en un archivo CSV</source>
        <translation>Save the quantities to a CSV file</translation>
    </message>
    <message>
        <source>Valor fuera de límites</source>
        <translation>Value out of limits</translation>
    </message>
</context>
<context>
    <name>InstallationSession</name>
    <message>
        <source>Sin título</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Instalación — </source>
        <translation>Installation — </translation>
    </message>
    <message>
        <source>Plantilla de la instalación</source>
        <translation>Installation template</translation>
    </message>
</context>
<context>
    <name>InstallationSubcommand</name>
    <message>
        <source>lista de secciones en CSV de la que construir la instalación</source>
        <translation>CSV list of sections to build the installation from</translation>
    </message>
    <message>
        <source>LISTA.csv</source>
        <translation>LIST.csv</translation>
    </message>
    <message>
        <source>proyecto que da lo que las filas no dicen (con --import-csv)</source>
        <translation>project that gives what the rows do not say (with --import-csv)</translation>
    </message>
    <message>
        <source>PROYECTO.txt</source>
        <translation>PROJECT.txt</translation>
    </message>
    <message>
        <source>potencia máxima de la instalación, kW</source>
        <translation>maximum power of the installation, kW</translation>
    </message>
    <message>
        <source>guarda la instalación construida (con --import-csv)</source>
        <translation>saves the installation built (with --import-csv)</translation>
    </message>
    <message>
        <source>falta el valor tras --%1</source>
        <translation>missing value after --%1</translation>
    </message>
    <message>
        <source>opción desconocida: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>el formato debe ser csv o json</source>
        <translation>the format must be csv or json</translation>
    </message>
    <message>
        <source>installation espera un documento o --import-csv, no ambos</source>
        <translation>installation expects a document or --import-csv, not both</translation>
    </message>
    <message>
        <source>installation espera un documento de instalación</source>
        <translation>installation expects an installation document</translation>
    </message>
    <message>
        <source>--import-csv necesita --template con el proyecto plantilla</source>
        <translation>--import-csv needs --template with the template project</translation>
    </message>
    <message>
        <source>--template y --save van con --import-csv</source>
        <translation>--template and --save go with --import-csv</translation>
    </message>
    <message>
        <source>potencia no válida: %1 (kW, mayor que 0)</source>
        <translation>invalid power: %1 (kW, greater than 0)</translation>
    </message>
    <message>
        <source>no se puede leer la lista &quot;%1&quot;</source>
        <translation>the list &quot;%1&quot; cannot be read</translation>
    </message>
    <message>
        <source>la lista &quot;%1&quot; es demasiado grande</source>
        <translation>the list &quot;%1&quot; is too large</translation>
    </message>
    <message>
        <source>la lista &quot;%1&quot; no se puede importar: %2</source>
        <translation>the list &quot;%1&quot; cannot be imported: %2</translation>
    </message>
    <message>
        <source>%1: columna desconocida &quot;%2&quot;, no se tiene en cuenta</source>
        <translation>%1: unknown column &quot;%2&quot;, ignored</translation>
    </message>
    <message>
        <source>fila %1%2: %3</source>
        <translation>row %1%2: %3</translation>
    </message>
</context>
<context>
    <name>InstallationTableModel</name>
    <message>
        <source>Referencia</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Elemento</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Tubería
(tablas)</source>
        <translation>Pipe
(tables)</translation>
    </message>
    <message>
        <source>Ø exterior
(mm)</source>
        <translation>Outside Ø
(mm)</translation>
    </message>
    <message>
        <source>Ancho
(mm)</source>
        <translation>Width
(mm)</translation>
    </message>
    <message>
        <source>Alto
(mm)</source>
        <translation>Height
(mm)</translation>
    </message>
    <message>
        <source>Cantidad
(m, ud, m2)</source>
        <translation>Quantity
(m, ud, m2)</translation>
    </message>
    <message>
        <source>T. fluido
(ºC)</source>
        <translation>T. fluid
(ºC)</translation>
    </message>
    <message>
        <source>T. ambiente
(ºC)</source>
        <translation>T. ambient
(ºC)</translation>
    </message>
    <message>
        <source>Ubicación</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Aislante</source>
        <translation>Insulation</translation>
    </message>
    <message>
        <source>λ propia
(W/mºC)</source>
        <translation>Own λ
(W/mºC)</translation>
    </message>
    <message>
        <source>Espesor
(mm)</source>
        <translation>Thickness
(mm)</translation>
    </message>
    <message>
        <source>Flujo por
unidad</source>
        <translation>Heat flow
per unit</translation>
    </message>
    <message>
        <source>Flujo del
tramo (W)</source>
        <translation>Section
heat flow (W)</translation>
    </message>
    <message>
        <source>T. superficie
(ºC)</source>
        <translation>T. surface
(ºC)</translation>
    </message>
    <message>
        <source>Condensa
(margen ºC)</source>
        <translation>Condenses
(margin ºC)</translation>
    </message>
    <message>
        <source>Mín. RITE
interior (mm)</source>
        <translation>RITE min.
inside (mm)</translation>
    </message>
    <message>
        <source>Mín. RITE
exterior (mm)</source>
        <translation>RITE min.
outside (mm)</translation>
    </message>
    <message>
        <source>RITE</source>
        <translation>RITE</translation>
    </message>
    <message>
        <source>Un espesor en mm, o «%1»: el menor espesor comercial que cumple el RITE en el tramo</source>
        <translation>A thickness in mm, or «%1»: the smallest commercial thickness that meets the RITE in the section</translation>
    </message>
    <message>
        <source>Una tubería de las tablas del programa; sin ella, el diámetro exterior en mm</source>
        <translation>A pipe of the program&apos;s tables; without one, the outside diameter in mm</translation>
    </message>
    <message>
        <source>Una conductividad en W/mºC que sustituye a la del aislante elegido</source>
        <translation>A thermal conductivity in W/mºC that replaces that of the insulation chosen</translation>
    </message>
    <message>
        <source>%1 no tiene esta columna</source>
        <translation>%1 has no such column</translation>
    </message>
    <message>
        <source> (mín. RITE)</source>
        <translation> (min. RITE)</translation>
    </message>
    <message>
        <source>Rechazada</source>
        <translation>Refused</translation>
    </message>
    <message>
        <source>Sí (</source>
        <translation>Yes (</translation>
    </message>
    <message>
        <source>No (</source>
        <translation>No (</translation>
    </message>
</context>
<context>
    <name>InstallationTotals</name>
    <message>
        <source>Las horas al año deben ser un número de 0 a 8760</source>
        <translation>The hours per year must be a number from 0 to 8760</translation>
    </message>
    <message>
        <source>El precio de la energía debe ser un número no negativo</source>
        <translation>The energy price must be a non-negative number</translation>
    </message>
    <message>
        <source>El factor de emisión de CO2 debe ser un número no negativo</source>
        <translation>The CO2 emission factor must be a non-negative number</translation>
    </message>
    <message>
        <source>La potencia máxima de la instalación debe ser un número mayor que 0</source>
        <translation>The maximum power of the installation must be a number greater than 0</translation>
    </message>
    <message>
        <source>Alternativo (pérdidas ≤ 4 % de la potencia)</source>
        <translation>Alternative (losses ≤ 4 % of the power)</translation>
    </message>
    <message>
        <source>Simplificado (tablas)</source>
        <translation>Simplified (tables)</translation>
    </message>
</context>
<context>
    <name>InstallationWindow</name>
    <message>
        <source>Traer los cambios</source>
        <translation>Bring the changes</translation>
    </message>
    <message>
        <source>Tomar el caso de la ventana principal tal como está ahora</source>
        <translation>Take the case of the main window as it is now</translation>
    </message>
    <message>
        <source>Olvidar</source>
        <translation>Forget</translation>
    </message>
    <message>
        <source>Dejar el caso en la ventana principal sin traerlo</source>
        <translation>Leave the case on the main window without bringing it</translation>
    </message>
    <message>
        <source>Órdenes de la instalación</source>
        <translation>Installation commands</translation>
    </message>
    <message>
        <source>Nueva</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Empezar una instalación vacía</source>
        <translation>Start an empty installation</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Abrir una instalación guardada</source>
        <translation>Open a saved installation</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Guardar la instalación</source>
        <translation>Save the installation</translation>
    </message>
    <message>
        <source>Guardar como…</source>
        <translation>Save as…</translation>
    </message>
    <message>
        <source>Guardar la instalación con otro nombre</source>
        <translation>Save the installation under another name</translation>
    </message>
    <message>
        <source>Añadir</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Añadir un tramo tras la fila actual, con sus mismos datos salvo la referencia y la longitud</source>
        <translation>Add a section after the current row, with its same data but the reference and the length</translation>
    </message>
    <message>
        <source>Duplicar</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>Duplicar los tramos elegidos</source>
        <translation>Duplicate the selected sections</translation>
    </message>
    <message>
        <source>Eliminar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Eliminar los tramos elegidos</source>
        <translation>Delete the selected sections</translation>
    </message>
    <message>
        <source>Importar CSV</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>Añadir los tramos de una lista CSV de hoja de cálculo</source>
        <translation>Add the sections of a spreadsheet CSV list</translation>
    </message>
    <message>
        <source>Exportar CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Guardar los tramos con sus resultados en un archivo CSV</source>
        <translation>Save the sections with their results to a CSV file</translation>
    </message>
    <message>
        <source>Editar plantilla</source>
        <translation>Edit template</translation>
    </message>
    <message>
        <source>Abrir en la ventana principal el caso plantilla, que da lo que las filas no dicen</source>
        <translation>Open on the main window the template case, which gives what the rows do not say</translation>
    </message>
    <message>
        <source>Abrir en la ventana principal</source>
        <translation>Open on the main window</translation>
    </message>
    <message>
        <source>Abrir la fila actual como caso completo en la ventana principal: todas sus cifras, la gráfica y el informe</source>
        <translation>Open the current row as a complete case on the main window: all its figures, the chart and the report</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Escribir la memoria técnica de la instalación y abrirla</source>
        <translation>Write the technical memorandum of the installation and open it</translation>
    </message>
    <message>
        <source>Exportar PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>Guardar la memoria técnica como PDF</source>
        <translation>Save the technical memorandum as PDF</translation>
    </message>
    <message>
        <source>La plantilla está abierta en la ventana principal.</source>
        <translation>The template is open on the main window.</translation>
    </message>
    <message>
        <source>Traer los cambios a la plantilla</source>
        <translation>Bring the changes to the template</translation>
    </message>
    <message>
        <source>La fila %1 está abierta en la ventana principal.</source>
        <translation>Row %1 is open on the main window.</translation>
    </message>
    <message>
        <source>La fila %1 («%2») está abierta en la ventana principal.</source>
        <translation>Row %1 («%2») is open on the main window.</translation>
    </message>
    <message>
        <source>Traer los cambios a la fila</source>
        <translation>Bring the changes to the row</translation>
    </message>
    <message>
        <source>1 tramo</source>
        <translation>1 section</translation>
    </message>
    <message>
        <source>%1 tramos</source>
        <translation>%1 sections</translation>
    </message>
    <message>
        <source> · 1 rechazado, fuera de los totales (marca roja; el motivo, al pasar el puntero)</source>
        <translation> · 1 refused, left out of the totals (red mark; the reason under the pointer)</translation>
    </message>
    <message>
        <source> · %1 rechazados, fuera de los totales (marca roja; el motivo, al pasar el puntero)</source>
        <translation> · %1 refused, left out of the totals (red mark; the reason under the pointer)</translation>
    </message>
</context>
<context>
    <name>InterfaceTemperatures</name>
    <message>
        <source>Cara</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>T. rocío
(ºC)</source>
        <translation>Dew pt.
(ºC)</translation>
    </message>
    <message>
        <source>Capa %1</source>
        <translation>Layer %1</translation>
    </message>
    <message>
        <source>Interior</source>
        <translation>Inside</translation>
    </message>
    <message>
        <source>Exterior</source>
        <translation>Outside</translation>
    </message>
    <message>
        <source>Canalización</source>
        <translation>Casing</translation>
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
    <name>PictureSubcommands</name>
    <message>
        <source>tamaño de la ventana en píxeles, por ejemplo 1366x768</source>
        <translation>size of the window in pixels, for example 1366x768</translation>
    </message>
    <message>
        <source>tamaño de la gráfica en píxeles, por ejemplo 1366x768</source>
        <translation>size of the chart in pixels, for example 1366x768</translation>
    </message>
    <message>
        <source>escala de la pantalla, de 0.5 a 4</source>
        <translation>screen scale, from 0.5 to 4</translation>
    </message>
    <message>
        <source>muestra la gráfica sobre los datos</source>
        <translation>shows the chart over the data</translation>
    </message>
    <message>
        <source>deja abierto el panel de bienvenida</source>
        <translation>leaves the welcome panel open</translation>
    </message>
    <message>
        <source>pulsa el control; se repite para pulsar varios</source>
        <translation>clicks the control; repeated to click several</translation>
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
    <name>ProjectFile</name>
    <message>
        <source>el archivo es demasiado grande para ser un proyecto</source>
        <translation>the file is too large to be a project</translation>
    </message>
    <message>
        <source>el archivo no es de texto</source>
        <translation>the file is not a text file</translation>
    </message>
    <message>
        <source>el archivo está incompleto (%1 de %2 datos)</source>
        <translation>the file is incomplete (%1 of %2 items)</translation>
    </message>
    <message>
        <source>el dato nº %1 debería ser un número entero y es &quot;%2&quot;</source>
        <translation>item no. %1 should be a whole number and is &quot;%2&quot;</translation>
    </message>
    <message>
        <source>el dato nº %1 está fuera de límites (%2, se espera de %3 a %4)</source>
        <translation>item no. %1 is out of limits (%2, %3 to %4 expected)</translation>
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
    <name>ReportCommand</name>
    <message>
        <source>Informe %1</source>
        <translation>Report %1</translation>
    </message>
    <message>
        <source>No se ha podido crear la carpeta de los informes. El informe no se ha guardado.</source>
        <translation>The reports folder could not be created. The report has not been saved.</translation>
    </message>
    <message>
        <source>No se ha podido escribir el informe en %1 (%2). El informe no se ha guardado.</source>
        <translation>The report could not be written to %1 (%2). The report has not been saved.</translation>
    </message>
    <message>
        <source>No hay ninguna aplicación que abra el informe. Está guardado en %1</source>
        <translation>No application opens the report. It is saved in %1</translation>
    </message>
</context>
<context>
    <name>ReportFiles</name>
    <message>
        <source>no se ha podido componer el PDF</source>
        <translation>the PDF could not be composed</translation>
    </message>
</context>
<context>
    <name>ReportSubcommand</name>
    <message>
        <source>el archivo no es un proyecto: %1</source>
        <translation>the file is not a project: %1</translation>
    </message>
    <message>
        <source>el proyecto no se ha calculado; no hay informe</source>
        <translation>the project has not been calculated; there is no report</translation>
    </message>
    <message>
        <source>no se ha podido escribir %1: %2</source>
        <translation>%1 could not be written: %2</translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message>
        <source>Coef. convección laminar = </source>
        <translation>Laminar convection coef. = </translation>
    </message>
    <message>
        <source>Coef. convección turbulenta = </source>
        <translation>Turbulent convection coef. = </translation>
    </message>
    <message>
        <source>Coef. radiación = </source>
        <translation>Radiation coef. = </translation>
    </message>
    <message>
        <source>Coeficiente convección-radiación interno impuesto: hint = %1</source>
        <translation>Inside surface coefficient given: hi = %1</translation>
    </message>
    <message>
        <source>Coeficiente convección interno impuesto: hint = %1</source>
        <translation>Inside convection coefficient given: hi = %1</translation>
    </message>
    <message>
        <source>Coeficiente convección-radiación muy alto (resistencia térmica despreciable)</source>
        <translation>Very high surface coefficient (negligible thermal resistance)</translation>
    </message>
    <message>
        <source>Coeficiente convección interno muy alto (resistencia térmica despreciable)</source>
        <translation>Very high inside convection coefficient (negligible thermal resistance)</translation>
    </message>
    <message>
        <source>Longitud = </source>
        <translation>Length = </translation>
    </message>
    <message>
        <source>Altura = </source>
        <translation>Height = </translation>
    </message>
    <message>
        <source>Velocidad = </source>
        <translation>Velocity = </translation>
    </message>
    <message>
        <source>Coef. emisión = </source>
        <translation>Emissivity = </translation>
    </message>
    <message>
        <source>Coeficiente convección-radiación interior calculado: hint = %1</source>
        <translation>Inside surface coefficient calculated: hi = %1</translation>
    </message>
    <message>
        <source>Coeficiente convección interior calculado: hint = %1</source>
        <translation>Inside convection coefficient calculated: hi = %1</translation>
    </message>
    <message>
        <source>Coeficiente convección-radiación externo impuesto: hext = %1</source>
        <translation>Outside surface coefficient given: he = %1</translation>
    </message>
    <message>
        <source>Coeficiente convección exterior calculado (al ambiente exterior): hext = %1</source>
        <translation>Outside convection coefficient calculated (open air): he = %1</translation>
    </message>
    <message>
        <source>Coeficiente convección-radiación exterior calculado (recinto cerrado): hext = %1</source>
        <translation>Outside surface coefficient calculated (closed room): he = %1</translation>
    </message>
    <message>
        <source>Tsuelo = %1 ºC</source>
        <translation>Tsoil = %1 ºC</translation>
    </message>
    <message>
        <source>Densidad terreno = </source>
        <translation>Soil density = </translation>
    </message>
    <message>
        <source>Humedad relativa terreno = </source>
        <translation>Soil relative humidity = </translation>
    </message>
    <message>
        <source>Conductividad terreno calculada: kterreno = %1</source>
        <translation>Soil thermal conductivity calculated: ksoil = %1</translation>
    </message>
    <message>
        <source>Conductividad terreno impuesta: kterreno = %1</source>
        <translation>Soil thermal conductivity given: ksoil = %1</translation>
    </message>
    <message>
        <source>Profundidad eje tubería: p = %1 m</source>
        <translation>Depth of the pipe axis: p = %1 m</translation>
    </message>
    <message>
        <source>sin guardar</source>
        <translation>not saved</translation>
    </message>
    <message>
        <source>Referencia:</source>
        <translation>Reference:</translation>
    </message>
    <message>
        <source>Proyecto:</source>
        <translation>Project:</translation>
    </message>
    <message>
        <source>Fecha:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Datos económicos</source>
        <translation>Economic data</translation>
    </message>
    <message>
        <source>Inflación del combustible</source>
        <translation>Fuel inflation</translation>
    </message>
    <message>
        <source>Coste de oportunidad del dinero</source>
        <translation>Opportunity cost of money</translation>
    </message>
    <message>
        <source>Años de vida de la instalación</source>
        <translation>Service life of the installation</translation>
    </message>
    <message>
        <source>años</source>
        <translation>years</translation>
    </message>
    <message>
        <source>Horas de funcionamiento al año</source>
        <translation>Operating hours per year</translation>
    </message>
    <message>
        <source>Coste de la energía térmica</source>
        <translation>Cost of thermal energy</translation>
    </message>
    <message>
        <source>euros/kWh</source>
        <translation>euros/kWh</translation>
    </message>
    <message>
        <source>Espesor
(mm)</source>
        <translation>Thickness
(mm)</translation>
    </message>
    <message>
        <source>Coste aislamiento
(%1)</source>
        <translation>Insulation cost
(%1)</translation>
    </message>
    <message>
        <source>Reducción al %1 % del flujo de calor de elemento sin aislamiento</source>
        <translation>Reduction to %1 % of the heat flow of the bare element</translation>
    </message>
    <message>
        <source>Imposición de una temperatura superficial exterior de %1 ºC</source>
        <translation>Outside surface temperature set to %1 ºC</translation>
    </message>
    <message>
        <source>Imposición de un flujo de calor de %1W</source>
        <translation>Heat flow set to %1W</translation>
    </message>
    <message>
        <source>Imposición de una densidad lineal de flujo de calor de %1W/m</source>
        <translation>Heat flow rate per unit length set to %1W/m</translation>
    </message>
    <message>
        <source>Conseguir una resistencia térmica lineal de %1 mºC/W</source>
        <translation>Reach a linear thermal resistance of %1 mºC/W</translation>
    </message>
    <message>
        <source>Espesor económico</source>
        <translation>Economic thickness</translation>
    </message>
    <message>
        <source>Evitar condensaciones exteriores</source>
        <translation>Prevent condensation outside</translation>
    </message>
    <message>
        <source>Imposición de una densidad superficial de flujo de calor de %1W/m2</source>
        <translation>Heat flux set to %1W/m2</translation>
    </message>
    <message>
        <source>Conseguir un coef. global de transferencia de calor de %1W/m2ºC</source>
        <translation>Reach an overall heat-transfer coefficient of %1W/m2ºC</translation>
    </message>
    <message>
        <source>Imposición de una temperatura superficial interior de %1 ºC</source>
        <translation>Inside surface temperature set to %1 ºC</translation>
    </message>
    <message>
        <source>Evitar condensaciones interiores</source>
        <translation>Prevent condensation inside</translation>
    </message>
    <message>
        <source>Imponer una temperatura final del agua %1 ºC con una long. tubería de %2 m</source>
        <translation>Final water temperature set to %1 ºC over a pipe length of %2 m</translation>
    </message>
    <message>
        <source>Imponer un porcentaje de agua congelada %1 %, durante un tiempo de %2 h</source>
        <translation>Frozen water share set to %1 % over a time of %2 h</translation>
    </message>
    <message>
        <source>Conseguir una resistencia térmica total de %1 ºC/W</source>
        <translation>Reach a total thermal resistance of %1 ºC/W</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Conductividad
(W/mºC)</source>
        <translation>Conductivity
(W/mºC)</translation>
    </message>
    <message>
        <source>Resist.térmica
(%1)</source>
        <translation>Th. resistance
(%1)</translation>
    </message>
    <message>
        <source>Resistiv.vapor
(MN s/gm)</source>
        <translation>Vapour resist.
(MN s/gm)</translation>
    </message>
    <message>
        <source>Interior</source>
        <translation>Inside</translation>
    </message>
    <message>
        <source>Canalización: Lado</source>
        <translation>Casing: side</translation>
    </message>
    <message>
        <source>Terreno</source>
        <translation>Soil</translation>
    </message>
    <message>
        <source>Exterior</source>
        <translation>Outside</translation>
    </message>
    <message>
        <source>Informe Brenak</source>
        <translation>Brenak report</translation>
    </message>
    <message>
        <source>Cálculo del espesor de aislamiento</source>
        <translation>Insulation thickness calculation</translation>
    </message>
    <message>
        <source>Cálculo del flujo de calor</source>
        <translation>Heat flow calculation</translation>
    </message>
    <message>
        <source>Condiciones Interiores</source>
        <translation>Inside conditions</translation>
    </message>
    <message>
        <source>Tint = </source>
        <translation>Ti = </translation>
    </message>
    <message>
        <source>Hrint = </source>
        <translation>RHi = </translation>
    </message>
    <message>
        <source>Diámetro interior: %1 mm</source>
        <translation>Inside diameter: %1 mm</translation>
    </message>
    <message>
        <source>Datos diferentes capas material</source>
        <translation>Material layers</translation>
    </message>
    <message>
        <source>Condiciones Exteriores</source>
        <translation>Outside conditions</translation>
    </message>
    <message>
        <source>Text = </source>
        <translation>Te = </translation>
    </message>
    <message>
        <source>Hrext = </source>
        <translation>RHe = </translation>
    </message>
    <message>
        <source>Condiciones Suelo</source>
        <translation>Soil conditions</translation>
    </message>
    <message>
        <source>Longitud: %1 m</source>
        <translation>Length: %1 m</translation>
    </message>
    <message>
        <source>Resultados</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Distribución de temperaturas</source>
        <translation>Temperature distribution</translation>
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
    <message>
        <source>el aislamiento conduce demasiado para corregir la tabla de espesores mínimos</source>
        <translation>the insulation conducts too much for the table of minimum thicknesses to be corrected</translation>
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
    <name>RowCalculation</name>
    <message>
        <source>El cálculo no ha dado resultados</source>
        <translation>The calculation gave no results</translation>
    </message>
    <message>
        <source>El RITE no fija espesor mínimo para esta sección: se calcula sin aislamiento</source>
        <translation>The RITE sets no minimum thickness for this section: it is calculated bare</translation>
    </message>
    <message>
        <source>Ningún espesor comercial cumple el mínimo del RITE (%1 mm): se toma el mayor de la serie, %2 mm</source>
        <translation>No commercial thickness meets the RITE minimum (%1 mm): the largest of the series is taken, %2 mm</translation>
    </message>
    <message>
        <source>El caso de la sección no se puede calcular</source>
        <translation>The case of the section cannot be calculated</translation>
    </message>
    <message>
        <source>Cumple</source>
        <translation>Meets</translation>
    </message>
    <message>
        <source>No cumple</source>
        <translation>Does not meet</translation>
    </message>
    <message>
        <source>No aplica</source>
        <translation>Not applicable</translation>
    </message>
</context>
<context>
    <name>RowCase</name>
    <message>
        <source>Falta %1</source>
        <translation>Missing %1</translation>
    </message>
    <message>
        <source>No es un número: %1</source>
        <translation>Not a number: %1</translation>
    </message>
    <message>
        <source>Debe ser mayor que cero: %1</source>
        <translation>Must be greater than zero: %1</translation>
    </message>
    <message>
        <source>No hay ninguna tubería &quot;%1&quot; en las tablas</source>
        <translation>There is no pipe &quot;%1&quot; in the tables</translation>
    </message>
    <message>
        <source>el diámetro</source>
        <translation>the diameter</translation>
    </message>
    <message>
        <source>el ancho del conducto</source>
        <translation>the width of the duct</translation>
    </message>
    <message>
        <source>el alto del conducto</source>
        <translation>the height of the duct</translation>
    </message>
    <message>
        <source>la altura del depósito</source>
        <translation>the height of the tank</translation>
    </message>
    <message>
        <source>el número de unidades</source>
        <translation>the number of units</translation>
    </message>
    <message>
        <source>la superficie</source>
        <translation>the area</translation>
    </message>
    <message>
        <source>la longitud</source>
        <translation>the length</translation>
    </message>
    <message>
        <source>la temperatura del fluido</source>
        <translation>the fluid temperature</translation>
    </message>
    <message>
        <source>la temperatura del ambiente</source>
        <translation>the ambient temperature</translation>
    </message>
    <message>
        <source>la conductividad del aislante</source>
        <translation>the thermal conductivity of the insulation</translation>
    </message>
    <message>
        <source>Falta el material aislante</source>
        <translation>Missing the insulation material</translation>
    </message>
    <message>
        <source>No hay ningún material &quot;%1&quot; en las listas</source>
        <translation>There is no material &quot;%1&quot; in the lists</translation>
    </message>
    <message>
        <source>el espesor del aislante</source>
        <translation>the insulation thickness</translation>
    </message>
    <message>
        <source>La pared de la plantilla (%1 mm de lado a lado) no cabe en la medida</source>
        <translation>The wall of the template (%1 mm from side to side) does not fit the size</translation>
    </message>
    <message>
        <source>%1 (capa %2)</source>
        <translation>%1 (layer %2)</translation>
    </message>
</context>
<context>
    <name>SectionCsvImport</name>
    <message>
        <source>la lista está vacía</source>
        <translation>the list is empty</translation>
    </message>
    <message>
        <source>la primera línea no nombra ninguna columna conocida (%1)</source>
        <translation>the first line names no known column (%1)</translation>
    </message>
    <message>
        <source>material o conductividad</source>
        <translation>material or conductivity</translation>
    </message>
    <message>
        <source>faltan columnas: </source>
        <translation>missing columns: </translation>
    </message>
    <message>
        <source>la línea tiene %1 campos y la cabecera %2 columnas (¿una coma decimal sin comillas?)</source>
        <translation>the line has %1 fields and the header %2 columns (a decimal comma without quotes?)</translation>
    </message>
    <message>
        <source>elemento: falta</source>
        <translation>elemento: missing</translation>
    </message>
    <message>
        <source>elemento: &quot;%1&quot; no es ninguno de los que el programa conoce</source>
        <translation>elemento: &quot;%1&quot; is none the program knows</translation>
    </message>
    <message>
        <source>ubicacion: &quot;%1&quot; no es interior, exterior ni enterrada</source>
        <translation>ubicacion: &quot;%1&quot; is not interior, exterior or enterrada</translation>
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
    <name>SummarySubcommand</name>
    <message>
        <source>falta el valor tras --format</source>
        <translation>missing value after --format</translation>
    </message>
    <message>
        <source>opción desconocida: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>el formato debe ser csv o json</source>
        <translation>the format must be csv or json</translation>
    </message>
    <message>
        <source>summary espera uno o más archivos de proyecto</source>
        <translation>summary expects one or more project files</translation>
    </message>
</context>
<context>
    <name>SweepSubcommand</name>
    <message>
        <source>espesores del aislante en mm, separados por comas (12.5 con punto decimal); por omisión, la serie comercial</source>
        <translation>insulation thicknesses in mm, separated by commas (12.5 with a decimal point); by default, the commercial series</translation>
    </message>
    <message>
        <source>capa cuyo espesor varía, de 1 a 6 desde el interior, entre las capas en uso; por omisión, la capa de aislamiento del caso</source>
        <translation>layer whose thickness varies, from 1 to 6 from the inside, among the layers in use; by default, the insulation layer of the case</translation>
    </message>
    <message>
        <source>falta el valor tras --%1</source>
        <translation>missing value after --%1</translation>
    </message>
    <message>
        <source>opción desconocida: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>el formato debe ser csv o json</source>
        <translation>the format must be csv or json</translation>
    </message>
    <message>
        <source>sweep espera un archivo de proyecto</source>
        <translation>sweep expects one project file</translation>
    </message>
    <message>
        <source>espesores no válidos: %1 (mm, separados por comas, mayores que 0 y hasta 5000)</source>
        <translation>invalid thicknesses: %1 (mm, separated by commas, greater than 0 and up to 5000)</translation>
    </message>
    <message>
        <source>capa no válida: %1 (un número entero de 1 a 6)</source>
        <translation>invalid layer: %1 (a whole number from 1 to 6)</translation>
    </message>
</context>
<context>
    <name>TemperatureChart</name>
    <message>
        <source>Distancia x (mm)</source>
        <translation>Distance x (mm)</translation>
    </message>
    <message>
        <source>Temperatura Tx (ºC)</source>
        <translation>Temperature Tx (ºC)</translation>
    </message>
    <message>
        <source>Temperatura en la pared compuesta</source>
        <translation>Temperature through the composite wall</translation>
    </message>
    <message>
        <source>Radio r (mm)</source>
        <translation>Radius r (mm)</translation>
    </message>
    <message>
        <source>Temperatura Tr (ºC)</source>
        <translation>Temperature Tr (ºC)</translation>
    </message>
    <message>
        <source>Temperatura en la tubería compuesta</source>
        <translation>Temperature through the composite pipe</translation>
    </message>
    <message>
        <source>Temperatura en la esfera compuesta</source>
        <translation>Temperature through the composite sphere</translation>
    </message>
    <message>
        <source>Temperatura en la pared del conducto</source>
        <translation>Temperature through the duct wall</translation>
    </message>
    <message>
        <source>Temperatura en la pared lateral del depósito</source>
        <translation>Temperature through the tank side wall</translation>
    </message>
</context>
<context>
    <name>ThicknessSweep</name>
    <message>
        <source>Sin resultados</source>
        <translation>No results</translation>
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
    <message>
        <source>Guardar como PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Abrir instalación</source>
        <translation>Open installation</translation>
    </message>
    <message>
        <source>Guardar instalación</source>
        <translation>Save installation</translation>
    </message>
    <message>
        <source>Importar tramos de una lista CSV</source>
        <translation>Import sections from a CSV list</translation>
    </message>
    <message>
        <source>Guardar como CSV</source>
        <translation>Save as CSV</translation>
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
