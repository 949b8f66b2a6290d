<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CGPSMapFrame</name>
    <message>
        <source>Show a tile source first (View &gt; World Map).</source>
        <translation>Primero muestre una fuente de teselas (Ver &gt; Mapa mundial).</translation>
    </message>
    <message>
        <source>Save Map Area</source>
        <translation>Guardar zona del mapa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Failed to load map</source>
        <translation>No se pudo cargar el mapa</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source>Map Grid</source>
        <translation>Cuadrícula del mapa</translation>
    </message>
    <message>
        <source>The world file of %1 does not say its grid.
Grid (a UTM zone such as 32N, or EPSG:NNNN):</source>
        <translation>El archivo world de %1 no indica su cuadrícula.
Cuadrícula (una zona UTM como 32N, o EPSG:NNNN):</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Back to the last map that is no tile source</source>
        <translation>Volver al último mapa que no es una fuente de teselas</translation>
    </message>
    <message>
        <source>Last map not found: %1</source>
        <translation>Último mapa no encontrado: %1</translation>
    </message>
    <message>
        <source>Not a map or trail: %1</source>
        <translation>No es un mapa ni un rastro: %1</translation>
    </message>
    <message>
        <source>Not a map or track: %1</source>
        <translation>No es un mapa ni un recorrido: %1</translation>
    </message>
    <message>
        <source>Save Trail</source>
        <translation>Guardar rastro</translation>
    </message>
    <message>
        <source>Load Trail</source>
        <translation>Cargar rastro</translation>
    </message>
    <message>
        <source>World map: %1</source>
        <translation>Mapa mundial: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Choose a Map</source>
        <translation>Elegir un mapa</translation>
    </message>
    <message>
        <source>%1 holds %2 maps. Show:</source>
        <translation>%1 contiene %2 mapas. Mostrar:</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>All maps</source>
        <translation>Todos los mapas</translation>
    </message>
    <message>
        <source>All trails</source>
        <translation>Todos los rastros</translation>
    </message>
    <message>
        <source>All tracks</source>
        <translation>Todos los recorridos</translation>
    </message>
    <message>
        <source>Compressed Image Files</source>
        <translation>Imágenes comprimidas</translation>
    </message>
    <message>
        <source>GIF Images</source>
        <translation>Imágenes GIF</translation>
    </message>
    <message>
        <source>Portable Network Graphics</source>
        <translation>Imágenes PNG</translation>
    </message>
    <message>
        <source>JPEG Images</source>
        <translation>Imágenes JPEG</translation>
    </message>
    <message>
        <source>Bitmap Images</source>
        <translation>Imágenes de mapa de bits</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>QUILO Trails</source>
        <translation>Rastros de QUILO</translation>
    </message>
    <message>
        <source>Google KML</source>
        <translation>Archivos Google KML</translation>
    </message>
    <message>
        <source>GPX 1.1</source>
        <translation>Archivos GPX 1.1</translation>
    </message>
    <message>
        <source>GPX Tracks</source>
        <translation>Tracks GPX</translation>
    </message>
    <message>
        <source>GPX Tracks and Routes</source>
        <translation>Tracks y rutas GPX</translation>
    </message>
    <message>
        <source>Trail Journals</source>
        <translation>Diarios de rastro</translation>
    </message>
    <message>
        <source>NMEA Logs</source>
        <translation>Registros NMEA</translation>
    </message>
    <message>
        <source>OziExplorer Maps</source>
        <translation>Mapas de OziExplorer</translation>
    </message>
    <message>
        <source>KMZ Ground Overlays</source>
        <translation>Superposiciones KMZ</translation>
    </message>
    <message>
        <source>KML Ground Overlays</source>
        <translation>Superposiciones KML</translation>
    </message>
    <message>
        <source>GeoTIFF Maps</source>
        <translation>Mapas GeoTIFF</translation>
    </message>
    <message>
        <source>GDAL Rasters</source>
        <translation>Rásteres GDAL</translation>
    </message>
    <message>
        <source>MBTiles Tile Sets</source>
        <translation>Conjuntos de teselas MBTiles</translation>
    </message>
    <message>
        <source>World Files</source>
        <translation>Archivos world</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>QUILO Maps</source>
        <translation>Mapas de QUILO</translation>
    </message>
</context>
<context>
    <name>GpsDetailsPanel</name>
    <message>
        <source>Go to</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Viaje</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <source>Reset Trip</source>
        <translation>Reiniciar viaje</translation>
    </message>
</context>
<context>
    <name>KioskMode</name>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Quit: hold to quit at once, tap to be asked</source>
        <translation>Salir: mantenga pulsado para salir enseguida, toque para confirmar</translation>
    </message>
    <message>
        <source>Quit QUILO?</source>
        <translation>¿Salir de QUILO?</translation>
    </message>
    <message>
        <source>QUILO</source>
        <translation>QUILO</translation>
    </message>
</context>
<context>
    <name>LiveCommands</name>
    <message>
        <source>Go to point:</source>
        <translation>Ir al punto:</translation>
    </message>
    <message>
        <source>QUILO alarm</source>
        <translation>Alarma de QUILO</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Coord Format</source>
        <translation>Formato de coordenadas</translation>
    </message>
    <message>
        <source>Night Dimming</source>
        <translation>Atenuación nocturna</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Arrival Radius</source>
        <translation>Radio de llegada</translation>
    </message>
    <message>
        <source>Course Smoothing</source>
        <translation>Suavizado del rumbo</translation>
    </message>
    <message>
        <source>Alarm Radius</source>
        <translation>Radio de alarma</translation>
    </message>
    <message>
        <source>Alarm Grace</source>
        <translation>Margen de alarma</translation>
    </message>
    <message>
        <source>Colour By</source>
        <translation>Colorear por</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Contexto</translation>
    </message>
    <message>
        <source>Load Map...</source>
        <translation>Cargar mapa...</translation>
    </message>
    <message>
        <source>Open Map Folder...</source>
        <translation>Abrir carpeta de mapas...</translation>
    </message>
    <message>
        <source>Recent Maps</source>
        <translation>Mapas recientes</translation>
    </message>
    <message>
        <source>Load Trail...</source>
        <translation>Cargar rastro...</translation>
    </message>
    <message>
        <source>Save Trail...</source>
        <translation>Guardar rastro...</translation>
    </message>
    <message>
        <source>Save Map Area...</source>
        <translation>Guardar zona del mapa...</translation>
    </message>
    <message>
        <source>Work Offline</source>
        <translation>Trabajar sin conexión</translation>
    </message>
    <message>
        <source>Open Tracks...</source>
        <translation>Abrir recorridos...</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Recorridos</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Regla</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>Liso</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Altitud</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Pendiente</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Colour Limits...</source>
        <translation>Límites de color...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>GPS Trail</source>
        <translation>Rastro GPS</translation>
    </message>
    <message>
        <source>Status Info</source>
        <translation>Línea de estado</translation>
    </message>
    <message>
        <source>Cursor Info</source>
        <translation>Línea del cursor</translation>
    </message>
    <message>
        <source>Map Points</source>
        <translation>Puntos del mapa</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Grid Overlay</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Heading Arrow</source>
        <translation>Flecha de rumbo</translation>
    </message>
    <message>
        <source>Accuracy Circle</source>
        <translation>Círculo de precisión</translation>
    </message>
    <message>
        <source>Scale Bar</source>
        <translation>Barra de escala</translation>
    </message>
    <message>
        <source>Map Centre</source>
        <translation>Centro del mapa</translation>
    </message>
    <message>
        <source>Centre on GPS</source>
        <translation>Centrar en el GPS</translation>
    </message>
    <message>
        <source>Follow GPS</source>
        <translation>Seguir el GPS</translation>
    </message>
    <message>
        <source>Switch Maps</source>
        <translation>Cambiar de mapa</translation>
    </message>
    <message>
        <source>Go to Position...</source>
        <translation>Ir a la posición...</translation>
    </message>
    <message>
        <source>Trail Statistics...</source>
        <translation>Estadísticas del rastro...</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Reopen Last Map</source>
        <translation>Reabrir el último mapa</translation>
    </message>
    <message>
        <source>GPS Details</source>
        <translation>Detalles del GPS</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Modo nocturno</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrico</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Anglosajón</translation>
    </message>
    <message>
        <source>Nautical</source>
        <translation>Náutico</translation>
    </message>
    <message>
        <source>World Map</source>
        <translation>Mapa mundial</translation>
    </message>
    <message>
        <source>Course Up</source>
        <translation>Rumbo arriba</translation>
    </message>
    <message>
        <source>Kiosk Mode</source>
        <translation>Modo quiosco</translation>
    </message>
    <message>
        <source>Large Toolbar</source>
        <translation>Barra de herramientas grande</translation>
    </message>
    <message>
        <source>Two-Finger Turn</source>
        <translation>Girar con dos dedos</translation>
    </message>
    <message>
        <source>Enter Calibration Point...</source>
        <translation>Introducir punto de calibración...</translation>
    </message>
    <message>
        <source>Calibration Points...</source>
        <translation>Puntos de calibración...</translation>
    </message>
    <message>
        <source>Check Position...</source>
        <translation>Comprobar posición...</translation>
    </message>
    <message>
        <source>Edit Points...</source>
        <translation>Editar puntos...</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Ajustes...</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Registrar</translation>
    </message>
    <message>
        <source>Store Position...</source>
        <translation>Guardar posición...</translation>
    </message>
    <message>
        <source>Clear Trail</source>
        <translation>Borrar rastro</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Go to Point...</source>
        <translation>Ir al punto...</translation>
    </message>
    <message>
        <source>Stop Going to Point</source>
        <translation>Dejar de ir al punto</translation>
    </message>
    <message>
        <source>Reset Trip Meter</source>
        <translation>Reiniciar cuentakilómetros</translation>
    </message>
    <message>
        <source>Anchor Alarm</source>
        <translation>Alarma de fondeo</translation>
    </message>
    <message>
        <source>Clear Alarm Circle</source>
        <translation>Borrar círculo de alarma</translation>
    </message>
    <message>
        <source>1 Fix</source>
        <translation>1 posición</translation>
    </message>
    <message>
        <source>3 Fixes</source>
        <translation>3 posiciones</translation>
    </message>
    <message>
        <source>5 Fixes</source>
        <translation>5 posiciones</translation>
    </message>
    <message>
        <source>10 Fixes</source>
        <translation>10 posiciones</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts...</source>
        <translation>Atajos de teclado...</translation>
    </message>
    <message>
        <source>User Guide...</source>
        <translation>Guía del usuario...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>New Point at Cursor</source>
        <translation>Nuevo punto en el cursor</translation>
    </message>
    <message>
        <source>Go to GPS Position</source>
        <translation>Ir a la posición GPS</translation>
    </message>
    <message>
        <source>Go to Map Centre</source>
        <translation>Ir al centro del mapa</translation>
    </message>
    <message>
        <source>Maps Here</source>
        <translation>Mapas aquí</translation>
    </message>
    <message>
        <source>Go to This Point</source>
        <translation>Ir a este punto</translation>
    </message>
    <message>
        <source>Alarm Circle Here</source>
        <translation>Círculo de alarma aquí</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Estiramiento</translation>
    </message>
    <message>
        <source>Scan Opacity</source>
        <translation>Opacidad del escaneo</translation>
    </message>
    <message>
        <source>Shading Opacity</source>
        <translation>Opacidad del sombreado</translation>
    </message>
    <message>
        <source>Hill Shading</source>
        <translation>Sombreado del relieve</translation>
    </message>
    <message>
        <source>Slope Shading</source>
        <translation>Sombreado de pendientes</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Heading Up</source>
        <translation>Proa arriba</translation>
    </message>
    <message>
        <source>Thin Plate Spline</source>
        <translation>Spline de placa delgada</translation>
    </message>
    <message>
        <source>Lowest to Highest</source>
        <translation>Del más bajo al más alto</translation>
    </message>
    <message>
        <source>1% to 99%</source>
        <translation>1 % a 99 %</translation>
    </message>
    <message>
        <source>2% to 98%</source>
        <translation>2 % a 98 %</translation>
    </message>
    <message>
        <source>5% to 95%</source>
        <translation>5 % a 95 %</translation>
    </message>
    <message>
        <source>DEM Folder...</source>
        <translation>Carpeta MDE...</translation>
    </message>
</context>
<context>
    <name>ProfileDock</name>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostrar:</translation>
    </message>
    <message>
        <source>Against:</source>
        <translation>Frente a:</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unable to write file: </source>
        <translation>No se puede escribir el archivo: </translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Fallo al guardar</translation>
    </message>
    <message>
        <source>The image is %1 x %2 pixels; a PNG, GIF or BMP map can have at most %3 million.</source>
        <translation>La imagen tiene %1 x %2 píxeles; un mapa PNG, GIF o BMP puede tener como máximo %3 millones.</translation>
    </message>
    <message>
        <source>QUILO could not create its main window and will close.</source>
        <translation>QUILO no pudo crear su ventana principal y se cerrará.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Teclas de flecha</translation>
    </message>
    <message>
        <source>Scroll the map</source>
        <translation>Desplazar el mapa</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>The user guide is not installed.</source>
        <translation>La guía del usuario no está instalada.</translation>
    </message>
    <message>
        <source>QUILO User Guide</source>
        <translation>Guía del usuario de QUILO</translation>
    </message>
    <message>
        <source>About QUILO</source>
        <translation>Acerca de QUILO</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Written by the QUILO developers</source>
        <translation>Escrito por los desarrolladores de QUILO</translation>
    </message>
    <message>
        <source>Contact: %1</source>
        <translation>Contacto: %1</translation>
    </message>
    <message>
        <source>Save Map Area</source>
        <translation>Guardar zona del mapa</translation>
    </message>
    <message>
        <source>Show a tile source first (View &gt; World Map).</source>
        <translation>Primero muestre una fuente de teselas (Ver &gt; Mapa mundial).</translation>
    </message>
    <message>
        <source>From zoom:</source>
        <translation>Desde el nivel:</translation>
    </message>
    <message>
        <source>To zoom:</source>
        <translation>Hasta el nivel:</translation>
    </message>
    <message>
        <source>Tiles:</source>
        <translation>Teselas:</translation>
    </message>
    <message>
        <source>%1, about %2%3</source>
        <translation>%1, unos %2%3</translation>
    </message>
    <message>
        <source>MBTiles (*.mbtiles)</source>
        <translation>Archivos MBTiles (*.mbtiles)</translation>
    </message>
    <message>
        <source>Saving tiles...</source>
        <translation>Guardando teselas...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancelled: %1 of %2 tiles are saved; saving the area again goes on from there.</source>
        <translation>Cancelado: %1 de %2 teselas están guardadas; guardar la zona de nuevo sigue desde ahí.</translation>
    </message>
    <message>
        <source>%1 of %2 tiles could not be fetched (%3); saving the area again fetches the rest.</source>
        <translation>No se pudieron descargar %1 de %2 teselas (%3); guardar la zona de nuevo descarga el resto.</translation>
    </message>
    <message>
        <source>Saved %1 tiles.</source>
        <translation>%1 teselas guardadas.</translation>
    </message>
    <message>
        <source>Point %1 of %1: point 1 will be dropped.</source>
        <translation>Punto %1 de %1: se descartará el punto 1.</translation>
    </message>
    <message>
        <source>Point %1 of %2</source>
        <translation>Punto %1 de %2</translation>
    </message>
    <message>
        <source>Load a map with File &gt; Load Map... or drop an image here</source>
        <translation>Cargue un mapa con Archivo &gt; Cargar mapa... o suelte una imagen aquí</translation>
    </message>
</context>
<context>
    <name>TerrainCommands</name>
    <message>
        <source>DEM Folder</source>
        <translation>Carpeta MDE</translation>
    </message>
</context>
<context>
    <name>TrackCommands</name>
    <message>
        <source>Unable to open file: </source>
        <translation>No se puede abrir el archivo: </translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Fallo al cargar</translation>
    </message>
    <message>
        <source>Open Tracks</source>
        <translation>Abrir recorridos</translation>
    </message>
    <message>
        <source>Choose what to colour by first (View &gt; Colour By).</source>
        <translation>Primero elija por qué colorear (Ver &gt; Colorear por).</translation>
    </message>
    <message>
        <source>Colour Limits</source>
        <translation>Límites de color</translation>
    </message>
    <message>
        <source>From the values shown</source>
        <translation>Según los valores mostrados</translation>
    </message>
    <message>
        <source>Low:</source>
        <translation>Mínimo:</translation>
    </message>
    <message>
        <source>High:</source>
        <translation>Máximo:</translation>
    </message>
    <message>
        <source>High must be above Low.</source>
        <translation>El máximo debe ser mayor que el mínimo.</translation>
    </message>
</context>
<context>
    <name>TracksDock</name>
    <message>
        <source>Tracks</source>
        <translation>Recorridos</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Recorrido</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>En movimiento</translation>
    </message>
    <message>
        <source>Zoom To</source>
        <translation>Encuadrar</translation>
    </message>
    <message>
        <source>Colour...</source>
        <translation>Color...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Statistics...</source>
        <translation>Estadísticas...</translation>
    </message>
    <message>
        <source>Track Colour</source>
        <translation>Color del recorrido</translation>
    </message>
    <message>
        <source>Ascent: %1 m</source>
        <translation>Ascenso: %1 m</translation>
    </message>
    <message>
        <source>Descent: %1 m</source>
        <translation>Descenso: %1 m</translation>
    </message>
</context>
<context>
    <name>calib::CalibrationPointsDlg</name>
    <message>
        <source>Calibration Points</source>
        <translation>Puntos de calibración</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Pixel</source>
        <translation>Píxel</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Fit Error</source>
        <translation>Error de ajuste</translation>
    </message>
    <message>
        <source>Left Out</source>
        <translation>Excluido</translation>
    </message>
    <message>
        <source>Fit Error: how far the map puts each pixel from its position. Left Out: the same by the fit of the other points alone.</source>
        <translation>Error de ajuste: a qué distancia de su posición pone el mapa cada píxel. Excluido: lo mismo con el ajuste de los demás puntos solos.</translation>
    </message>
    <message>
        <source>Delete Point</source>
        <translation>Borrar punto</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>not calibrated</source>
        <translation>sin calibrar</translation>
    </message>
    <message>
        <source>check</source>
        <translation>revisar</translation>
    </message>
</context>
<context>
    <name>calib::MapSettingsDlg</name>
    <message>
        <source>Map Settings</source>
        <translation>Ajustes del mapa</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>Mag Var:</source>
        <translation>Declinación:</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>W x H</source>
        <translation>An x Al</translation>
    </message>
    <message>
        <source>Map Info</source>
        <translation>Información del mapa</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Nombre de archivo:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Calibration Params:</source>
        <translation>Parámetros de calibración:</translation>
    </message>
    <message>
        <source>Latitude/longitude graticule</source>
        <translation>Retícula de latitud/longitud</translation>
    </message>
    <message>
        <source>Topographic grid</source>
        <translation>Cuadrícula topográfica</translation>
    </message>
    <message>
        <source>Nautical chart</source>
        <translation>Carta náutica</translation>
    </message>
    <message>
        <source>Named grid</source>
        <translation>Cuadrícula con nombre</translation>
    </message>
    <message>
        <source>UTM 32N, EPSG:2056 or a PROJ definition</source>
        <translation>UTM 32N, EPSG:2056 o una definición PROJ</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Drawn on:</source>
        <translation>Dibujada sobre:</translation>
    </message>
    <message>
        <source>Grid:</source>
        <translation>Cuadrícula:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Sistema geodésico:</translation>
    </message>
    <message>
        <source>Points kept:</source>
        <translation>Puntos guardados:</translation>
    </message>
    <message>
        <source>Overlay colour:</source>
        <translation>Color de la cuadrícula:</translation>
    </message>
    <message>
        <source>Please enter a number between 0 and 180.</source>
        <translation>Introduzca un número entre 0 y 180.</translation>
    </message>
</context>
<context>
    <name>coords::EnterCoordsDlg</name>
    <message>
        <source>Datum</source>
        <translation>Sistema geodésico</translation>
    </message>
    <message>
        <source>Use GPS Position</source>
        <translation>Usar la posición GPS</translation>
    </message>
    <message>
        <source>easting northing</source>
        <translation>este norte</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Entrada no válida</translation>
    </message>
</context>
<context>
    <name>core</name>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Unable to write file: </source>
        <translation>No se puede escribir el archivo: </translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Fallo al guardar</translation>
    </message>
    <message>
        <source>Unable to open COM port</source>
        <translation>No se puede abrir el puerto COM</translation>
    </message>
    <message>
        <source>Unable to open the GPS source</source>
        <translation>No se puede abrir la fuente GPS</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source>Unable to open file: </source>
        <translation>No se puede abrir el archivo: </translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Fallo al cargar</translation>
    </message>
    <message>
        <source>The trail is not being recorded.</source>
        <translation>El rastro no se está grabando.</translation>
    </message>
    <message>
        <source>Length: </source>
        <translation>Longitud: </translation>
    </message>
    <message>
        <source>Time moving: </source>
        <translation>Tiempo en movimiento: </translation>
    </message>
    <message>
        <source>Average speed: </source>
        <translation>Velocidad media: </translation>
    </message>
    <message>
        <source>Top speed: </source>
        <translation>Velocidad máxima: </translation>
    </message>
    <message>
        <source>Start: </source>
        <translation>Inicio: </translation>
    </message>
    <message>
        <source>End: </source>
        <translation>Fin: </translation>
    </message>
    <message>
        <source>No fix</source>
        <translation>Sin posición</translation>
    </message>
    <message>
        <source>RTK float</source>
        <translation>RTK flotante</translation>
    </message>
    <message>
        <source>RTK fixed</source>
        <translation>RTK fijo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitud</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Rumbo</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Precisión</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hacia</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Bearing</source>
        <translation>Demora</translation>
    </message>
    <message>
        <source>ETA</source>
        <translation>Llegada</translation>
    </message>
    <message>
        <source>Off track</source>
        <translation>Desvío</translation>
    </message>
    <message>
        <source>Moving time</source>
        <translation>Tiempo en movimiento</translation>
    </message>
    <message>
        <source>Average speed</source>
        <translation>Velocidad media</translation>
    </message>
    <message>
        <source>Top speed</source>
        <translation>Velocidad máxima</translation>
    </message>
    <message>
        <source>Calibration Error</source>
        <translation>Error de calibración</translation>
    </message>
    <message>
        <source>This map has no calibration information.</source>
        <translation>Este mapa no tiene calibración.</translation>
    </message>
    <message>
        <source>Ruler: tap the map to start</source>
        <translation>Regla: toque el mapa para empezar</translation>
    </message>
    <message>
        <source>Ruler: tap the next point</source>
        <translation>Regla: toque el punto siguiente</translation>
    </message>
    <message>
        <source>GPS: Connected.</source>
        <translation>GPS: conectado.</translation>
    </message>
    <message>
        <source>GPS: Disconnected.</source>
        <translation>GPS: desconectado.</translation>
    </message>
    <message>
        <source>COM port read error.</source>
        <translation>Error de lectura del puerto COM.</translation>
    </message>
    <message>
        <source>End of log.</source>
        <translation>Fin del registro.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Invisible</source>
        <translation>Oculto</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Crosshair</source>
        <translation>Retícula</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
</context>
<context>
    <name>points::EditMapPointDlg</name>
    <message>
        <source>Edit Map Point</source>
        <translation>Editar punto del mapa</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posición:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Símbolo:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Línea:</translation>
    </message>
    <message>
        <source>Fill:</source>
        <translation>Relleno:</translation>
    </message>
    <message>
        <source>Desc:</source>
        <translation>Descr.:</translation>
    </message>
    <message>
        <source>A name must be supplied.</source>
        <translation>Hace falta un nombre.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source>Enter point position:</source>
        <translation>Introduzca la posición del punto:</translation>
    </message>
</context>
<context>
    <name>points::EditMapPointsDlg</name>
    <message>
        <source>Edit Map Points</source>
        <translation>Editar puntos del mapa</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Nuevo...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Select a point to show on the map.</source>
        <translation>Elija un punto para mostrarlo en el mapa.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source>Select a point to be deleted.</source>
        <translation>Elija un punto para borrarlo.</translation>
    </message>
    <message>
        <source>Delete this point?</source>
        <translation>¿Borrar este punto?</translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation>Confirmar borrado</translation>
    </message>
    <message>
        <source>Google KML (*.kml)</source>
        <translation>Archivos Google KML (*.kml)</translation>
    </message>
    <message>
        <source>GPX 1.1 (*.gpx)</source>
        <translation>Archivos GPX 1.1 (*.gpx)</translation>
    </message>
    <message>
        <source>Export Map Points</source>
        <translation>Exportar puntos del mapa</translation>
    </message>
    <message>
        <source>Import Map Points</source>
        <translation>Importar puntos del mapa</translation>
    </message>
    <message>
        <source>GPX or KML (*.gpx *.kml)</source>
        <translation>GPX o KML (*.gpx *.kml)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Unable to open file: </source>
        <translation>No se puede abrir el archivo: </translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Fallo al cargar</translation>
    </message>
    <message>
        <source>No points in file: </source>
        <translation>No hay puntos en el archivo: </translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
</context>
<context>
    <name>view::CGPSSettingsCOMPage</name>
    <message>
        <source>the COM port&apos;s device</source>
        <translation>el dispositivo del puerto COM</translation>
    </message>
    <message>
        <source>Used instead of the COM port: a device path, gpsd://HOST:PORT, tcp://HOST:PORT, udp://:PORT, file:LOG or sim:.</source>
        <translation>En lugar del puerto COM: una ruta de dispositivo, gpsd://HOST:PORT, tcp://HOST:PORT, udp://:PORT, file:LOG o sim:.</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>Puerto COM:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Velocidad en baudios:</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Dispositivo:</translation>
    </message>
    <message>
        <source>Changes take effect on next GPS connection.</source>
        <translation>Los cambios se aplican en la próxima conexión GPS.</translation>
    </message>
</context>
<context>
    <name>view::CGPSSettingsPosPage</name>
    <message>
        <source>Symbol:</source>
        <translation>Símbolo:</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Línea:</translation>
    </message>
    <message>
        <source>Fill:</source>
        <translation>Relleno:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Max Rate:</source>
        <translation>Frecuencia máx.:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
</context>
<context>
    <name>view::CGPSSettingsTrailPage</name>
    <message>
        <source>A fix faster than this from the last one starts a new line; 0 is off.</source>
        <translation>Una posición que llega antes de esto tras la anterior empieza una línea nueva; 0 lo desactiva.</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Longitud:</translation>
    </message>
    <message>
        <source>samples</source>
        <translation>puntos</translation>
    </message>
    <message>
        <source>Min Delta:</source>
        <translation>Distancia mín.:</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>metros</translation>
    </message>
    <message>
        <source>Max Speed:</source>
        <translation>Velocidad máx.:</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Color:</translation>
    </message>
</context>
<context>
    <name>view::GpsSettingsSheet</name>
    <message>
        <source>GPS Settings</source>
        <translation>Ajustes del GPS</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Trail</source>
        <translation>Rastro</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
</context>
<context>
    <name>view::MapCommands</name>
    <message>
        <source>Tap the point on the map first.</source>
        <translation>Primero toque el punto en el mapa.</translation>
    </message>
    <message>
        <source>This map is not calibrated.</source>
        <translation>Este mapa no está calibrado.</translation>
    </message>
    <message>
        <source>Enter Selection Coordinates:</source>
        <translation>Introduzca las coordenadas de la selección:</translation>
    </message>
    <message>
        <source>Map Settings</source>
        <translation>Ajustes del mapa</translation>
    </message>
    <message>
        <source>Enter the true position of the selection:</source>
        <translation>Introduzca la posición real de la selección:</translation>
    </message>
    <message>
        <source>The position entered lies %1 m at %2° (true) from where the map puts the selection.</source>
        <translation>La posición introducida está a %1 m en %2° (verdadero) de donde el mapa pone la selección.</translation>
    </message>
    <message>
        <source>Go to Position:</source>
        <translation>Ir a la posición:</translation>
    </message>
</context>
<context>
    <name>view::MapFolderCommands</name>
    <message>
        <source>Map folder not found: %1</source>
        <translation>Carpeta de mapas no encontrada: %1</translation>
    </message>
    <message>
        <source>Open Map Folder</source>
        <translation>Abrir carpeta de mapas</translation>
    </message>
    <message>
        <source>Some maps of the folder could not be read:</source>
        <translation>Algunos mapas de la carpeta no se pudieron leer:</translation>
    </message>
    <message>
        <source>Failed to open map folder</source>
        <translation>No se pudo abrir la carpeta de mapas</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... y %1 más</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fallo</translation>
    </message>
</context>
<context>
    <name>view::MapView</name>
    <message>
        <source>Working offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>A: altitude above sea level
S: satellites used in the fix, all systems together
P: precision, 100 / HDOP: 100% at HDOP 1, higher is better</source>
        <translation>A: altitud sobre el nivel del mar
S: satélites usados en la posición, todos los sistemas juntos
P: precisión, 100 / HDOP: 100 % con HDOP 1, más alto es mejor</translation>
    </message>
</context>
<context>
    <name>view::ProfilePlot</name>
    <message>
        <source>No track points to show</source>
        <translation>No hay puntos de track que mostrar</translation>
    </message>
    <message>
        <source>DEM %1 m</source>
        <translation>MDE %1 m</translation>
    </message>
    <message>
        <source>DEM none</source>
        <translation>MDE ninguno</translation>
    </message>
    <message>
        <source>No DEM data in: %1</source>
        <translation>No hay datos MDE en: %1</translation>
    </message>
</context>
</TS>
