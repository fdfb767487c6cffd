<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
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
</context>
<context>
    <name>WindowToolbar</name>
    <message>
        <source>Órdenes</source>
        <translation>Commands</translation>
    </message>
</context>
</TS>
