<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CGPSMapFrame</name>
    <message>
        <source>Show a tile source first (View &gt; World Map).</source>
        <translation>Zuerst eine Kachelquelle zeigen (Ansicht &gt; Weltkarte).</translation>
    </message>
    <message>
        <source>Save Map Area</source>
        <translation>Kartenausschnitt speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Failed to load map</source>
        <translation>Karte konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Map Grid</source>
        <translation>Kartengitter</translation>
    </message>
    <message>
        <source>The world file of %1 does not say its grid.
Grid (a UTM zone such as 32N, or EPSG:NNNN):</source>
        <translation>Die World-Datei von %1 nennt kein Gitter.
Gitter (eine UTM-Zone wie 32N oder EPSG:NNNN):</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Back to the last map that is no tile source</source>
        <translation>Zurück zur letzten Karte, die keine Kachelquelle ist</translation>
    </message>
    <message>
        <source>Last map not found: %1</source>
        <translation>Letzte Karte nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Not a map or trail: %1</source>
        <translation>Weder Karte noch Spur: %1</translation>
    </message>
    <message>
        <source>Not a map or track: %1</source>
        <translation>Weder Karte noch Strecke: %1</translation>
    </message>
    <message>
        <source>Save Trail</source>
        <translation>Spur speichern</translation>
    </message>
    <message>
        <source>Load Trail</source>
        <translation>Spur laden</translation>
    </message>
    <message>
        <source>World map: %1</source>
        <translation>Weltkarte: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Choose a Map</source>
        <translation>Karte wählen</translation>
    </message>
    <message>
        <source>%1 holds %2 maps. Show:</source>
        <translation>%1 enthält %2 Karten. Zeigen:</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>All maps</source>
        <translation>Alle Karten</translation>
    </message>
    <message>
        <source>All trails</source>
        <translation>Alle Spuren</translation>
    </message>
    <message>
        <source>All tracks</source>
        <translation>Alle Strecken</translation>
    </message>
    <message>
        <source>Compressed Image Files</source>
        <translation>Komprimierte Bilddateien</translation>
    </message>
    <message>
        <source>GIF Images</source>
        <translation>GIF-Bilder</translation>
    </message>
    <message>
        <source>Portable Network Graphics</source>
        <translation>PNG-Bilder</translation>
    </message>
    <message>
        <source>JPEG Images</source>
        <translation>JPEG-Bilder</translation>
    </message>
    <message>
        <source>Bitmap Images</source>
        <translation>Bitmap-Bilder</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>QUILO Trails</source>
        <translation>QUILO-Spuren</translation>
    </message>
    <message>
        <source>Google KML</source>
        <translation>Google-KML-Dateien</translation>
    </message>
    <message>
        <source>GPX 1.1</source>
        <translation>GPX-1.1-Dateien</translation>
    </message>
    <message>
        <source>GPX Tracks</source>
        <translation>GPX-Tracks</translation>
    </message>
    <message>
        <source>GPX Tracks and Routes</source>
        <translation>GPX-Tracks und -Routen</translation>
    </message>
    <message>
        <source>Trail Journals</source>
        <translation>Spurjournale</translation>
    </message>
    <message>
        <source>NMEA Logs</source>
        <translation>NMEA-Protokolle</translation>
    </message>
    <message>
        <source>OziExplorer Maps</source>
        <translation>OziExplorer-Karten</translation>
    </message>
    <message>
        <source>KMZ Ground Overlays</source>
        <translation>KMZ-Bodenüberlagerungen</translation>
    </message>
    <message>
        <source>KML Ground Overlays</source>
        <translation>KML-Bodenüberlagerungen</translation>
    </message>
    <message>
        <source>GeoTIFF Maps</source>
        <translation>GeoTIFF-Karten</translation>
    </message>
    <message>
        <source>GDAL Rasters</source>
        <translation>GDAL-Rasterdaten</translation>
    </message>
    <message>
        <source>MBTiles Tile Sets</source>
        <translation>MBTiles-Kachelsätze</translation>
    </message>
    <message>
        <source>World Files</source>
        <translation>World-Dateien</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>QUILO Maps</source>
        <translation>QUILO-Karten</translation>
    </message>
</context>
<context>
    <name>GpsDetailsPanel</name>
    <message>
        <source>Go to</source>
        <translation>Zielführung</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Fahrt</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufzeichnung</translation>
    </message>
    <message>
        <source>Reset Trip</source>
        <translation>Fahrt zurücksetzen</translation>
    </message>
</context>
<context>
    <name>KioskMode</name>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Quit: hold to quit at once, tap to be asked</source>
        <translation>Beenden: halten beendet sofort, tippen fragt nach</translation>
    </message>
    <message>
        <source>Quit QUILO?</source>
        <translation>QUILO beenden?</translation>
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
        <translation>Gehe zu Punkt:</translation>
    </message>
    <message>
        <source>QUILO alarm</source>
        <translation>QUILO-Alarm</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Vergrößerung</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Coord Format</source>
        <translation>Koordinatenformat</translation>
    </message>
    <message>
        <source>Night Dimming</source>
        <translation>Nachtabdunklung</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Arrival Radius</source>
        <translation>Ankunftsradius</translation>
    </message>
    <message>
        <source>Course Smoothing</source>
        <translation>Kursglättung</translation>
    </message>
    <message>
        <source>Alarm Radius</source>
        <translation>Alarmradius</translation>
    </message>
    <message>
        <source>Alarm Grace</source>
        <translation>Alarmverzögerung</translation>
    </message>
    <message>
        <source>Colour By</source>
        <translation>Färben nach</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Kontext</translation>
    </message>
    <message>
        <source>Load Map...</source>
        <translation>Karte laden...</translation>
    </message>
    <message>
        <source>Open Map Folder...</source>
        <translation>Kartenordner öffnen...</translation>
    </message>
    <message>
        <source>Recent Maps</source>
        <translation>Zuletzt geöffnete Karten</translation>
    </message>
    <message>
        <source>Load Trail...</source>
        <translation>Spur laden...</translation>
    </message>
    <message>
        <source>Save Trail...</source>
        <translation>Spur speichern...</translation>
    </message>
    <message>
        <source>Save Map Area...</source>
        <translation>Kartenausschnitt speichern...</translation>
    </message>
    <message>
        <source>Work Offline</source>
        <translation>Offline arbeiten</translation>
    </message>
    <message>
        <source>Open Tracks...</source>
        <translation>Strecken öffnen...</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>Einfarbig</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Steigung</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Colour Limits...</source>
        <translation>Farbgrenzen...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>GPS Trail</source>
        <translation>GPS-Spur</translation>
    </message>
    <message>
        <source>Status Info</source>
        <translation>Statuszeile</translation>
    </message>
    <message>
        <source>Cursor Info</source>
        <translation>Cursorzeile</translation>
    </message>
    <message>
        <source>Map Points</source>
        <translation>Kartenpunkte</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Beschriftungen</translation>
    </message>
    <message>
        <source>Grid Overlay</source>
        <translation>Gitternetz</translation>
    </message>
    <message>
        <source>Heading Arrow</source>
        <translation>Kurspfeil</translation>
    </message>
    <message>
        <source>Accuracy Circle</source>
        <translation>Genauigkeitskreis</translation>
    </message>
    <message>
        <source>Scale Bar</source>
        <translation>Maßstabsleiste</translation>
    </message>
    <message>
        <source>Map Centre</source>
        <translation>Kartenmitte</translation>
    </message>
    <message>
        <source>Centre on GPS</source>
        <translation>Auf GPS zentrieren</translation>
    </message>
    <message>
        <source>Follow GPS</source>
        <translation>GPS folgen</translation>
    </message>
    <message>
        <source>Switch Maps</source>
        <translation>Karten wechseln</translation>
    </message>
    <message>
        <source>Go to Position...</source>
        <translation>Gehe zu Position...</translation>
    </message>
    <message>
        <source>Trail Statistics...</source>
        <translation>Spurstatistik...</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Reopen Last Map</source>
        <translation>Letzte Karte wieder öffnen</translation>
    </message>
    <message>
        <source>GPS Details</source>
        <translation>GPS-Details</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Nachtmodus</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Angloamerikanisch</translation>
    </message>
    <message>
        <source>Nautical</source>
        <translation>Nautisch</translation>
    </message>
    <message>
        <source>World Map</source>
        <translation>Weltkarte</translation>
    </message>
    <message>
        <source>Course Up</source>
        <translation>Kurs oben</translation>
    </message>
    <message>
        <source>Kiosk Mode</source>
        <translation>Kioskmodus</translation>
    </message>
    <message>
        <source>Large Toolbar</source>
        <translation>Große Werkzeugleiste</translation>
    </message>
    <message>
        <source>Two-Finger Turn</source>
        <translation>Drehen mit zwei Fingern</translation>
    </message>
    <message>
        <source>Enter Calibration Point...</source>
        <translation>Kalibrierpunkt eingeben...</translation>
    </message>
    <message>
        <source>Calibration Points...</source>
        <translation>Kalibrierpunkte...</translation>
    </message>
    <message>
        <source>Check Position...</source>
        <translation>Position prüfen...</translation>
    </message>
    <message>
        <source>Edit Points...</source>
        <translation>Punkte bearbeiten...</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Aufzeichnen</translation>
    </message>
    <message>
        <source>Store Position...</source>
        <translation>Position speichern...</translation>
    </message>
    <message>
        <source>Clear Trail</source>
        <translation>Spur löschen</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Go to Point...</source>
        <translation>Gehe zu Punkt...</translation>
    </message>
    <message>
        <source>Stop Going to Point</source>
        <translation>Zielführung beenden</translation>
    </message>
    <message>
        <source>Reset Trip Meter</source>
        <translation>Fahrtzähler zurücksetzen</translation>
    </message>
    <message>
        <source>Anchor Alarm</source>
        <translation>Ankeralarm</translation>
    </message>
    <message>
        <source>Clear Alarm Circle</source>
        <translation>Alarmkreis löschen</translation>
    </message>
    <message>
        <source>1 Fix</source>
        <translation>1 Messung</translation>
    </message>
    <message>
        <source>3 Fixes</source>
        <translation>3 Messungen</translation>
    </message>
    <message>
        <source>5 Fixes</source>
        <translation>5 Messungen</translation>
    </message>
    <message>
        <source>10 Fixes</source>
        <translation>10 Messungen</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts...</source>
        <translation>Tastenkürzel...</translation>
    </message>
    <message>
        <source>User Guide...</source>
        <translation>Benutzerhandbuch...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>New Point at Cursor</source>
        <translation>Neuer Punkt am Cursor</translation>
    </message>
    <message>
        <source>Go to GPS Position</source>
        <translation>Gehe zur GPS-Position</translation>
    </message>
    <message>
        <source>Go to Map Centre</source>
        <translation>Gehe zur Kartenmitte</translation>
    </message>
    <message>
        <source>Maps Here</source>
        <translation>Karten hier</translation>
    </message>
    <message>
        <source>Go to This Point</source>
        <translation>Zu diesem Punkt führen</translation>
    </message>
    <message>
        <source>Alarm Circle Here</source>
        <translation>Alarmkreis hier</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Streckung</translation>
    </message>
    <message>
        <source>Scan Opacity</source>
        <translation>Deckkraft des Scans</translation>
    </message>
    <message>
        <source>Shading Opacity</source>
        <translation>Deckkraft der Schummerung</translation>
    </message>
    <message>
        <source>Hill Shading</source>
        <translation>Schummerung</translation>
    </message>
    <message>
        <source>Slope Shading</source>
        <translation>Hangneigung</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Heading Up</source>
        <translation>Steuerkurs oben</translation>
    </message>
    <message>
        <source>Thin Plate Spline</source>
        <translation>Thin-Plate-Spline</translation>
    </message>
    <message>
        <source>Lowest to Highest</source>
        <translation>Niedrigster bis höchster Wert</translation>
    </message>
    <message>
        <source>1% to 99%</source>
        <translation>1 % bis 99 %</translation>
    </message>
    <message>
        <source>2% to 98%</source>
        <translation>2 % bis 98 %</translation>
    </message>
    <message>
        <source>5% to 95%</source>
        <translation>5 % bis 95 %</translation>
    </message>
    <message>
        <source>DEM Folder...</source>
        <translation>DGM-Ordner...</translation>
    </message>
</context>
<context>
    <name>ProfileDock</name>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Zeigen:</translation>
    </message>
    <message>
        <source>Against:</source>
        <translation>Über:</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufzeichnung</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unable to write file: </source>
        <translation>Datei kann nicht geschrieben werden: </translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>The image is %1 x %2 pixels; a PNG, GIF or BMP map can have at most %3 million.</source>
        <translation>Das Bild hat %1 x %2 Pixel; eine PNG-, GIF- oder BMP-Karte darf höchstens %3 Millionen haben.</translation>
    </message>
    <message>
        <source>QUILO could not create its main window and will close.</source>
        <translation>QUILO konnte sein Hauptfenster nicht anlegen und wird beendet.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>Scroll the map</source>
        <translation>Karte verschieben</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>The user guide is not installed.</source>
        <translation>Das Benutzerhandbuch ist nicht installiert.</translation>
    </message>
    <message>
        <source>QUILO User Guide</source>
        <translation>QUILO-Benutzerhandbuch</translation>
    </message>
    <message>
        <source>About QUILO</source>
        <translation>Über QUILO</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Programmversion %1</translation>
    </message>
    <message>
        <source>Written by the QUILO developers</source>
        <translation>Geschrieben von den QUILO-Entwicklern</translation>
    </message>
    <message>
        <source>Contact: %1</source>
        <translation>Kontakt: %1</translation>
    </message>
    <message>
        <source>Save Map Area</source>
        <translation>Kartenausschnitt speichern</translation>
    </message>
    <message>
        <source>Show a tile source first (View &gt; World Map).</source>
        <translation>Zuerst eine Kachelquelle zeigen (Ansicht &gt; Weltkarte).</translation>
    </message>
    <message>
        <source>From zoom:</source>
        <translation>Ab Zoomstufe:</translation>
    </message>
    <message>
        <source>To zoom:</source>
        <translation>Bis Zoomstufe:</translation>
    </message>
    <message>
        <source>Tiles:</source>
        <translation>Kacheln:</translation>
    </message>
    <message>
        <source>%1, about %2%3</source>
        <translation>%1, etwa %2%3</translation>
    </message>
    <message>
        <source>MBTiles (*.mbtiles)</source>
        <translation>MBTiles-Dateien (*.mbtiles)</translation>
    </message>
    <message>
        <source>Saving tiles...</source>
        <translation>Kacheln werden gespeichert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancelled: %1 of %2 tiles are saved; saving the area again goes on from there.</source>
        <translation>Abgebrochen: %1 von %2 Kacheln sind gespeichert; erneutes Speichern des Ausschnitts macht dort weiter.</translation>
    </message>
    <message>
        <source>%1 of %2 tiles could not be fetched (%3); saving the area again fetches the rest.</source>
        <translation>%1 von %2 Kacheln konnten nicht geholt werden (%3); erneutes Speichern des Ausschnitts holt den Rest.</translation>
    </message>
    <message>
        <source>Saved %1 tiles.</source>
        <translation>%1 Kacheln gespeichert.</translation>
    </message>
    <message>
        <source>Point %1 of %1: point 1 will be dropped.</source>
        <translation>Punkt %1 von %1: Punkt 1 fällt weg.</translation>
    </message>
    <message>
        <source>Point %1 of %2</source>
        <translation>Punkt %1 von %2</translation>
    </message>
    <message>
        <source>Load a map with File &gt; Load Map... or drop an image here</source>
        <translation>Eine Karte mit Datei &gt; Karte laden... öffnen oder ein Bild hierher ziehen</translation>
    </message>
</context>
<context>
    <name>TerrainCommands</name>
    <message>
        <source>DEM Folder</source>
        <translation>DGM-Ordner</translation>
    </message>
</context>
<context>
    <name>TrackCommands</name>
    <message>
        <source>Unable to open file: </source>
        <translation>Datei kann nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Fehler beim Laden</translation>
    </message>
    <message>
        <source>Open Tracks</source>
        <translation>Strecken öffnen</translation>
    </message>
    <message>
        <source>Choose what to colour by first (View &gt; Colour By).</source>
        <translation>Zuerst wählen, wonach gefärbt wird (Ansicht &gt; Färben nach).</translation>
    </message>
    <message>
        <source>Colour Limits</source>
        <translation>Farbgrenzen</translation>
    </message>
    <message>
        <source>From the values shown</source>
        <translation>Aus den gezeigten Werten</translation>
    </message>
    <message>
        <source>Low:</source>
        <translation>Unten:</translation>
    </message>
    <message>
        <source>High:</source>
        <translation>Oben:</translation>
    </message>
    <message>
        <source>High must be above Low.</source>
        <translation>Oben muss über Unten liegen.</translation>
    </message>
</context>
<context>
    <name>TracksDock</name>
    <message>
        <source>Tracks</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>In Bewegung</translation>
    </message>
    <message>
        <source>Zoom To</source>
        <translation>Hinzoomen</translation>
    </message>
    <message>
        <source>Colour...</source>
        <translation>Farbe...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Statistics...</source>
        <translation>Statistik...</translation>
    </message>
    <message>
        <source>Track Colour</source>
        <translation>Streckenfarbe</translation>
    </message>
    <message>
        <source>Ascent: %1 m</source>
        <translation>Aufstieg: %1 m</translation>
    </message>
    <message>
        <source>Descent: %1 m</source>
        <translation>Abstieg: %1 m</translation>
    </message>
</context>
<context>
    <name>calib::CalibrationPointsDlg</name>
    <message>
        <source>Calibration Points</source>
        <translation>Kalibrierpunkte</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Pixel</source>
        <translation>Bildpunkt</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Koordinaten</translation>
    </message>
    <message>
        <source>Fit Error</source>
        <translation>Passfehler</translation>
    </message>
    <message>
        <source>Left Out</source>
        <translation>Ausgelassen</translation>
    </message>
    <message>
        <source>Fit Error: how far the map puts each pixel from its position. Left Out: the same by the fit of the other points alone.</source>
        <translation>Passfehler: wie weit die Karte jeden Bildpunkt von seiner Position legt. Ausgelassen: dasselbe nach dem Ausgleich der übrigen Punkte allein.</translation>
    </message>
    <message>
        <source>Delete Point</source>
        <translation>Punkt löschen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>not calibrated</source>
        <translation>nicht kalibriert</translation>
    </message>
    <message>
        <source>check</source>
        <translation>prüfen</translation>
    </message>
</context>
<context>
    <name>calib::MapSettingsDlg</name>
    <message>
        <source>Map Settings</source>
        <translation>Karteneinstellungen</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Westlich</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Östlich</translation>
    </message>
    <message>
        <source>Mag Var:</source>
        <translation>Missweisung:</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>W x H</source>
        <translation>B x H</translation>
    </message>
    <message>
        <source>Map Info</source>
        <translation>Karteninfo</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Calibration Params:</source>
        <translation>Kalibrierwerte:</translation>
    </message>
    <message>
        <source>Latitude/longitude graticule</source>
        <translation>Gradnetz (Breite/Länge)</translation>
    </message>
    <message>
        <source>Topographic grid</source>
        <translation>Topografisches Gitter</translation>
    </message>
    <message>
        <source>Nautical chart</source>
        <translation>Seekarte</translation>
    </message>
    <message>
        <source>Named grid</source>
        <translation>Benanntes Gitter</translation>
    </message>
    <message>
        <source>UTM 32N, EPSG:2056 or a PROJ definition</source>
        <translation>UTM 32N, EPSG:2056 oder eine PROJ-Definition</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Drawn on:</source>
        <translation>Gezeichnet auf:</translation>
    </message>
    <message>
        <source>Grid:</source>
        <translation>Gitter:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Bezugssystem:</translation>
    </message>
    <message>
        <source>Points kept:</source>
        <translation>Behaltene Punkte:</translation>
    </message>
    <message>
        <source>Overlay colour:</source>
        <translation>Farbe des Netzes:</translation>
    </message>
    <message>
        <source>Please enter a number between 0 and 180.</source>
        <translation>Bitte eine Zahl zwischen 0 und 180 eingeben.</translation>
    </message>
</context>
<context>
    <name>coords::EnterCoordsDlg</name>
    <message>
        <source>Datum</source>
        <translation>Bezugssystem</translation>
    </message>
    <message>
        <source>Use GPS Position</source>
        <translation>GPS-Position übernehmen</translation>
    </message>
    <message>
        <source>easting northing</source>
        <translation>Rechtswert Hochwert</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Ungültige Eingabe</translation>
    </message>
</context>
<context>
    <name>core</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Unable to write file: </source>
        <translation>Datei kann nicht geschrieben werden: </translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>Unable to open COM port</source>
        <translation>COM-Port kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Unable to open the GPS source</source>
        <translation>Die GPS-Quelle kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Unable to open file: </source>
        <translation>Datei kann nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Fehler beim Laden</translation>
    </message>
    <message>
        <source>The trail is not being recorded.</source>
        <translation>Die Spur wird nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>Length: </source>
        <translation>Länge: </translation>
    </message>
    <message>
        <source>Time moving: </source>
        <translation>Zeit in Bewegung: </translation>
    </message>
    <message>
        <source>Average speed: </source>
        <translation>Durchschnitt: </translation>
    </message>
    <message>
        <source>Top speed: </source>
        <translation>Höchstgeschwindigkeit: </translation>
    </message>
    <message>
        <source>Start: </source>
        <translation>Beginn: </translation>
    </message>
    <message>
        <source>End: </source>
        <translation>Ende: </translation>
    </message>
    <message>
        <source>No fix</source>
        <translation>Keine Position</translation>
    </message>
    <message>
        <source>RTK float</source>
        <translation>RTK Float</translation>
    </message>
    <message>
        <source>RTK fixed</source>
        <translation>RTK Fixed</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Ortung</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Koordinaten</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <source>Bearing</source>
        <translation>Peilung</translation>
    </message>
    <message>
        <source>ETA</source>
        <translation>Ankunft</translation>
    </message>
    <message>
        <source>Off track</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Moving time</source>
        <translation>Fahrzeit</translation>
    </message>
    <message>
        <source>Average speed</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Top speed</source>
        <translation>Höchstgeschwindigkeit</translation>
    </message>
    <message>
        <source>Calibration Error</source>
        <translation>Kalibrierfehler</translation>
    </message>
    <message>
        <source>This map has no calibration information.</source>
        <translation>Diese Karte hat keine Kalibrierung.</translation>
    </message>
    <message>
        <source>Ruler: tap the map to start</source>
        <translation>Lineal: zum Beginnen die Karte antippen</translation>
    </message>
    <message>
        <source>Ruler: tap the next point</source>
        <translation>Lineal: den nächsten Punkt antippen</translation>
    </message>
    <message>
        <source>GPS: Connected.</source>
        <translation>GPS: Verbunden.</translation>
    </message>
    <message>
        <source>GPS: Disconnected.</source>
        <translation>GPS: Getrennt.</translation>
    </message>
    <message>
        <source>COM port read error.</source>
        <translation>Lesefehler am COM-Port.</translation>
    </message>
    <message>
        <source>End of log.</source>
        <translation>Ende des Protokolls.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Invisible</source>
        <translation>Unsichtbar</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Crosshair</source>
        <translation>Fadenkreuz</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
</context>
<context>
    <name>points::EditMapPointDlg</name>
    <message>
        <source>Edit Map Point</source>
        <translation>Kartenpunkt bearbeiten</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Bezeichnung:</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Koordinaten:</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Zeichen:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Linie:</translation>
    </message>
    <message>
        <source>Fill:</source>
        <translation>Füllung:</translation>
    </message>
    <message>
        <source>Desc:</source>
        <translation>Beschr.:</translation>
    </message>
    <message>
        <source>A name must be supplied.</source>
        <translation>Eine Bezeichnung ist nötig.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Enter point position:</source>
        <translation>Koordinaten des Punkts eingeben:</translation>
    </message>
</context>
<context>
    <name>points::EditMapPointsDlg</name>
    <message>
        <source>Edit Map Points</source>
        <translation>Kartenpunkte bearbeiten</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Gehe zu</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Neu...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Select a point to show on the map.</source>
        <translation>Einen Punkt wählen, der auf der Karte gezeigt werden soll.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Select a point to be deleted.</source>
        <translation>Einen Punkt zum Löschen wählen.</translation>
    </message>
    <message>
        <source>Delete this point?</source>
        <translation>Diesen Punkt löschen?</translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Google KML (*.kml)</source>
        <translation>Google-KML-Dateien (*.kml)</translation>
    </message>
    <message>
        <source>GPX 1.1 (*.gpx)</source>
        <translation>GPX-1.1-Dateien (*.gpx)</translation>
    </message>
    <message>
        <source>Export Map Points</source>
        <translation>Kartenpunkte exportieren</translation>
    </message>
    <message>
        <source>Import Map Points</source>
        <translation>Kartenpunkte importieren</translation>
    </message>
    <message>
        <source>GPX or KML (*.gpx *.kml)</source>
        <translation>GPX oder KML (*.gpx *.kml)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Unable to open file: </source>
        <translation>Datei kann nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Fehler beim Laden</translation>
    </message>
    <message>
        <source>No points in file: </source>
        <translation>Keine Punkte in der Datei: </translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
</context>
<context>
    <name>view::CGPSSettingsCOMPage</name>
    <message>
        <source>the COM port&apos;s device</source>
        <translation>das Gerät des COM-Ports</translation>
    </message>
    <message>
        <source>Used instead of the COM port: a device path, gpsd://HOST:PORT, tcp://HOST:PORT, udp://:PORT, file:LOG or sim:.</source>
        <translation>Statt des COM-Ports: ein Gerätepfad, gpsd://HOST:PORT, tcp://HOST:PORT, udp://:PORT, file:LOG oder sim:.</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>COM-Port:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Gerät:</translation>
    </message>
    <message>
        <source>Changes take effect on next GPS connection.</source>
        <translation>Änderungen gelten ab der nächsten GPS-Verbindung.</translation>
    </message>
</context>
<context>
    <name>view::CGPSSettingsPosPage</name>
    <message>
        <source>Symbol:</source>
        <translation>Zeichen:</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Linie:</translation>
    </message>
    <message>
        <source>Fill:</source>
        <translation>Füllung:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Max Rate:</source>
        <translation>Höchstrate:</translation>
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
        <translation>Eine Messung, die schneller als dies auf die letzte folgt, beginnt eine neue Linie; 0 schaltet es ab.</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linien</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>samples</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Min Delta:</source>
        <translation>Mindestabstand:</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Max Speed:</source>
        <translation>Höchstgeschw.:</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stil:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Farbe:</translation>
    </message>
</context>
<context>
    <name>view::GpsSettingsSheet</name>
    <message>
        <source>GPS Settings</source>
        <translation>GPS-Einstellungen</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Koordinaten</translation>
    </message>
    <message>
        <source>Trail</source>
        <translation>Spur</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
</context>
<context>
    <name>view::MapCommands</name>
    <message>
        <source>Tap the point on the map first.</source>
        <translation>Zuerst den Punkt auf der Karte antippen.</translation>
    </message>
    <message>
        <source>This map is not calibrated.</source>
        <translation>Diese Karte ist nicht kalibriert.</translation>
    </message>
    <message>
        <source>Enter Selection Coordinates:</source>
        <translation>Koordinaten der Auswahl eingeben:</translation>
    </message>
    <message>
        <source>Map Settings</source>
        <translation>Karteneinstellungen</translation>
    </message>
    <message>
        <source>Enter the true position of the selection:</source>
        <translation>Die wahre Position der Auswahl eingeben:</translation>
    </message>
    <message>
        <source>The position entered lies %1 m at %2° (true) from where the map puts the selection.</source>
        <translation>Die eingegebene Position liegt %1 m in %2° (rechtweisend) von der Stelle, an die die Karte die Auswahl legt.</translation>
    </message>
    <message>
        <source>Go to Position:</source>
        <translation>Gehe zu Position:</translation>
    </message>
</context>
<context>
    <name>view::MapFolderCommands</name>
    <message>
        <source>Map folder not found: %1</source>
        <translation>Kartenordner nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Open Map Folder</source>
        <translation>Kartenordner öffnen</translation>
    </message>
    <message>
        <source>Some maps of the folder could not be read:</source>
        <translation>Einige Karten des Ordners konnten nicht gelesen werden:</translation>
    </message>
    <message>
        <source>Failed to open map folder</source>
        <translation>Kartenordner konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>view::MapView</name>
    <message>
        <source>Working offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>A: altitude above sea level
S: satellites used in the fix, all systems together
P: precision, 100 / HDOP: 100% at HDOP 1, higher is better</source>
        <translation>A: Höhe über dem Meeresspiegel
S: für die Position genutzte Satelliten, alle Systeme zusammen
P: Präzision, 100 / HDOP: 100 % bei HDOP 1, höher ist besser</translation>
    </message>
</context>
<context>
    <name>view::ProfilePlot</name>
    <message>
        <source>No track points to show</source>
        <translation>Keine Trackpunkte zum Anzeigen</translation>
    </message>
    <message>
        <source>DEM %1 m</source>
        <translation>DGM %1 m</translation>
    </message>
    <message>
        <source>DEM none</source>
        <translation>DGM keins</translation>
    </message>
    <message>
        <source>No DEM data in: %1</source>
        <translation>Keine DGM-Daten in: %1</translation>
    </message>
</context>
</TS>
