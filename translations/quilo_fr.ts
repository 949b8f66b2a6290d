<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CGPSMapFrame</name>
    <message>
        <source>Show a tile source first (View &gt; World Map).</source>
        <translation>Affichez d&apos;abord une source de tuiles (Affichage &gt; Carte du monde).</translation>
    </message>
    <message>
        <source>Save Map Area</source>
        <translation>Enregistrer une zone de carte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Failed to load map</source>
        <translation>Impossible de charger la carte</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Map Grid</source>
        <translation>Quadrillage de la carte</translation>
    </message>
    <message>
        <source>The world file of %1 does not say its grid.
Grid (a UTM zone such as 32N, or EPSG:NNNN):</source>
        <translation>Le fichier world de %1 ne donne pas son quadrillage.
Quadrillage (une zone UTM comme 32N, ou EPSG:NNNN) :</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>Back to the last map that is no tile source</source>
        <translation>Retour à la dernière carte qui n&apos;est pas une source de tuiles</translation>
    </message>
    <message>
        <source>Last map not found: %1</source>
        <translation>Dernière carte introuvable : %1</translation>
    </message>
    <message>
        <source>Not a map or trail: %1</source>
        <translation>Ni une carte ni une trace : %1</translation>
    </message>
    <message>
        <source>Not a map or track: %1</source>
        <translation>Ni une carte ni un parcours : %1</translation>
    </message>
    <message>
        <source>Save Trail</source>
        <translation>Enregistrer la trace</translation>
    </message>
    <message>
        <source>Load Trail</source>
        <translation>Charger une trace</translation>
    </message>
    <message>
        <source>World map: %1</source>
        <translation>Carte du monde : %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Choose a Map</source>
        <translation>Choisir une carte</translation>
    </message>
    <message>
        <source>%1 holds %2 maps. Show:</source>
        <translation>%1 contient %2 cartes. Afficher :</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>All maps</source>
        <translation>Toutes les cartes</translation>
    </message>
    <message>
        <source>All trails</source>
        <translation>Toutes les traces</translation>
    </message>
    <message>
        <source>All tracks</source>
        <translation>Tous les parcours</translation>
    </message>
    <message>
        <source>Compressed Image Files</source>
        <translation>Images compressées</translation>
    </message>
    <message>
        <source>GIF Images</source>
        <translation>Images GIF</translation>
    </message>
    <message>
        <source>Portable Network Graphics</source>
        <translation>Images PNG</translation>
    </message>
    <message>
        <source>JPEG Images</source>
        <translation>Images JPEG</translation>
    </message>
    <message>
        <source>Bitmap Images</source>
        <translation>Images bitmap</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>QUILO Trails</source>
        <translation>Traces QUILO</translation>
    </message>
    <message>
        <source>Google KML</source>
        <translation>Fichiers Google KML</translation>
    </message>
    <message>
        <source>GPX 1.1</source>
        <translation>Fichiers GPX 1.1</translation>
    </message>
    <message>
        <source>GPX Tracks</source>
        <translation>Traces GPX</translation>
    </message>
    <message>
        <source>GPX Tracks and Routes</source>
        <translation>Traces et itinéraires GPX</translation>
    </message>
    <message>
        <source>Trail Journals</source>
        <translation>Journaux de trace</translation>
    </message>
    <message>
        <source>NMEA Logs</source>
        <translation>Journaux NMEA</translation>
    </message>
    <message>
        <source>OziExplorer Maps</source>
        <translation>Cartes OziExplorer</translation>
    </message>
    <message>
        <source>KMZ Ground Overlays</source>
        <translation>Superpositions au sol KMZ</translation>
    </message>
    <message>
        <source>KML Ground Overlays</source>
        <translation>Superpositions au sol KML</translation>
    </message>
    <message>
        <source>GeoTIFF Maps</source>
        <translation>Cartes GeoTIFF</translation>
    </message>
    <message>
        <source>GDAL Rasters</source>
        <translation>Rasters GDAL</translation>
    </message>
    <message>
        <source>MBTiles Tile Sets</source>
        <translation>Jeux de tuiles MBTiles</translation>
    </message>
    <message>
        <source>World Files</source>
        <translation>Fichiers world</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <source>QUILO Maps</source>
        <translation>Cartes QUILO</translation>
    </message>
</context>
<context>
    <name>GpsDetailsPanel</name>
    <message>
        <source>Go to</source>
        <translation>Aller à</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Trajet</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Reset Trip</source>
        <translation>Remettre le trajet à zéro</translation>
    </message>
</context>
<context>
    <name>KioskMode</name>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Quit: hold to quit at once, tap to be asked</source>
        <translation>Quitter : maintenir pour quitter tout de suite, toucher pour confirmer</translation>
    </message>
    <message>
        <source>Quit QUILO?</source>
        <translation>Quitter QUILO ?</translation>
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
        <translation>Aller au point :</translation>
    </message>
    <message>
        <source>QUILO alarm</source>
        <translation>Alarme QUILO</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Coord Format</source>
        <translation>Format des coordonnées</translation>
    </message>
    <message>
        <source>Night Dimming</source>
        <translation>Assombrissement de nuit</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Arrival Radius</source>
        <translation>Rayon d&apos;arrivée</translation>
    </message>
    <message>
        <source>Course Smoothing</source>
        <translation>Lissage du cap</translation>
    </message>
    <message>
        <source>Alarm Radius</source>
        <translation>Rayon d&apos;alarme</translation>
    </message>
    <message>
        <source>Alarm Grace</source>
        <translation>Délai d&apos;alarme</translation>
    </message>
    <message>
        <source>Colour By</source>
        <translation>Colorer selon</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Contexte</translation>
    </message>
    <message>
        <source>Load Map...</source>
        <translation>Charger une carte...</translation>
    </message>
    <message>
        <source>Open Map Folder...</source>
        <translation>Ouvrir un dossier de cartes...</translation>
    </message>
    <message>
        <source>Recent Maps</source>
        <translation>Cartes récentes</translation>
    </message>
    <message>
        <source>Load Trail...</source>
        <translation>Charger une trace...</translation>
    </message>
    <message>
        <source>Save Trail...</source>
        <translation>Enregistrer la trace...</translation>
    </message>
    <message>
        <source>Save Map Area...</source>
        <translation>Enregistrer une zone de carte...</translation>
    </message>
    <message>
        <source>Work Offline</source>
        <translation>Travailler hors ligne</translation>
    </message>
    <message>
        <source>Open Tracks...</source>
        <translation>Ouvrir des parcours...</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Parcours</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>Uni</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Pente</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Colour Limits...</source>
        <translation>Limites des couleurs...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>GPS Trail</source>
        <translation>Trace GPS</translation>
    </message>
    <message>
        <source>Status Info</source>
        <translation>Ligne d&apos;état</translation>
    </message>
    <message>
        <source>Cursor Info</source>
        <translation>Ligne du curseur</translation>
    </message>
    <message>
        <source>Map Points</source>
        <translation>Points de la carte</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Grid Overlay</source>
        <translation>Quadrillage</translation>
    </message>
    <message>
        <source>Heading Arrow</source>
        <translation>Flèche de cap</translation>
    </message>
    <message>
        <source>Accuracy Circle</source>
        <translation>Cercle de précision</translation>
    </message>
    <message>
        <source>Scale Bar</source>
        <translation>Barre d&apos;échelle</translation>
    </message>
    <message>
        <source>Map Centre</source>
        <translation>Centre de la carte</translation>
    </message>
    <message>
        <source>Centre on GPS</source>
        <translation>Centrer sur le GPS</translation>
    </message>
    <message>
        <source>Follow GPS</source>
        <translation>Suivre le GPS</translation>
    </message>
    <message>
        <source>Switch Maps</source>
        <translation>Changer de carte</translation>
    </message>
    <message>
        <source>Go to Position...</source>
        <translation>Aller à la position...</translation>
    </message>
    <message>
        <source>Trail Statistics...</source>
        <translation>Statistiques de la trace...</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Reopen Last Map</source>
        <translation>Rouvrir la dernière carte</translation>
    </message>
    <message>
        <source>GPS Details</source>
        <translation>Détails GPS</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Mode nuit</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrique</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Impérial</translation>
    </message>
    <message>
        <source>Nautical</source>
        <translation>Nautique</translation>
    </message>
    <message>
        <source>World Map</source>
        <translation>Carte du monde</translation>
    </message>
    <message>
        <source>Course Up</source>
        <translation>Cap en haut</translation>
    </message>
    <message>
        <source>Kiosk Mode</source>
        <translation>Mode kiosque</translation>
    </message>
    <message>
        <source>Large Toolbar</source>
        <translation>Grande barre d&apos;outils</translation>
    </message>
    <message>
        <source>Two-Finger Turn</source>
        <translation>Rotation à deux doigts</translation>
    </message>
    <message>
        <source>Enter Calibration Point...</source>
        <translation>Saisir un point d&apos;étalonnage...</translation>
    </message>
    <message>
        <source>Calibration Points...</source>
        <translation>Points d&apos;étalonnage...</translation>
    </message>
    <message>
        <source>Check Position...</source>
        <translation>Vérifier la position...</translation>
    </message>
    <message>
        <source>Edit Points...</source>
        <translation>Modifier les points...</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Paramètres...</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Store Position...</source>
        <translation>Mémoriser la position...</translation>
    </message>
    <message>
        <source>Clear Trail</source>
        <translation>Effacer la trace</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Go to Point...</source>
        <translation>Aller au point...</translation>
    </message>
    <message>
        <source>Stop Going to Point</source>
        <translation>Arrêter le guidage</translation>
    </message>
    <message>
        <source>Reset Trip Meter</source>
        <translation>Remettre le compteur à zéro</translation>
    </message>
    <message>
        <source>Anchor Alarm</source>
        <translation>Alarme de mouillage</translation>
    </message>
    <message>
        <source>Clear Alarm Circle</source>
        <translation>Effacer le cercle d&apos;alarme</translation>
    </message>
    <message>
        <source>1 Fix</source>
        <translation>1 point</translation>
    </message>
    <message>
        <source>3 Fixes</source>
        <translation>3 points</translation>
    </message>
    <message>
        <source>5 Fixes</source>
        <translation>5 points</translation>
    </message>
    <message>
        <source>10 Fixes</source>
        <translation>10 points</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts...</source>
        <translation>Raccourcis clavier...</translation>
    </message>
    <message>
        <source>User Guide...</source>
        <translation>Guide d&apos;utilisation...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>New Point at Cursor</source>
        <translation>Nouveau point au curseur</translation>
    </message>
    <message>
        <source>Go to GPS Position</source>
        <translation>Aller à la position GPS</translation>
    </message>
    <message>
        <source>Go to Map Centre</source>
        <translation>Aller au centre de la carte</translation>
    </message>
    <message>
        <source>Maps Here</source>
        <translation>Cartes ici</translation>
    </message>
    <message>
        <source>Go to This Point</source>
        <translation>Aller à ce point</translation>
    </message>
    <message>
        <source>Alarm Circle Here</source>
        <translation>Cercle d&apos;alarme ici</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Étirement</translation>
    </message>
    <message>
        <source>Scan Opacity</source>
        <translation>Opacité du scan</translation>
    </message>
    <message>
        <source>Shading Opacity</source>
        <translation>Opacité de l’ombrage</translation>
    </message>
    <message>
        <source>Hill Shading</source>
        <translation>Ombrage du relief</translation>
    </message>
    <message>
        <source>Slope Shading</source>
        <translation>Ombrage des pentes</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Heading Up</source>
        <translation>Cap compas en haut</translation>
    </message>
    <message>
        <source>Thin Plate Spline</source>
        <translation>Spline en plaque mince</translation>
    </message>
    <message>
        <source>Lowest to Highest</source>
        <translation>Du plus bas au plus haut</translation>
    </message>
    <message>
        <source>1% to 99%</source>
        <translation>1 % à 99 %</translation>
    </message>
    <message>
        <source>2% to 98%</source>
        <translation>2 % à 98 %</translation>
    </message>
    <message>
        <source>5% to 95%</source>
        <translation>5 % à 95 %</translation>
    </message>
    <message>
        <source>DEM Folder...</source>
        <translation>Dossier MNT...</translation>
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
        <translation>Distance</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Afficher :</translation>
    </message>
    <message>
        <source>Against:</source>
        <translation>En fonction de :</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unable to write file: </source>
        <translation>Impossible d&apos;écrire le fichier : </translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Erreur d&apos;enregistrement</translation>
    </message>
    <message>
        <source>The image is %1 x %2 pixels; a PNG, GIF or BMP map can have at most %3 million.</source>
        <translation>L&apos;image fait %1 x %2 pixels ; une carte PNG, GIF ou BMP peut en avoir au plus %3 millions.</translation>
    </message>
    <message>
        <source>QUILO could not create its main window and will close.</source>
        <translation>QUILO n&apos;a pas pu créer sa fenêtre principale et va se fermer.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Touches fléchées</translation>
    </message>
    <message>
        <source>Scroll the map</source>
        <translation>Faire défiler la carte</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>The user guide is not installed.</source>
        <translation>Le guide d&apos;utilisation n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>QUILO User Guide</source>
        <translation>Guide d&apos;utilisation de QUILO</translation>
    </message>
    <message>
        <source>About QUILO</source>
        <translation>À propos de QUILO</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version du logiciel %1</translation>
    </message>
    <message>
        <source>Written by the QUILO developers</source>
        <translation>Écrit par les développeurs de QUILO</translation>
    </message>
    <message>
        <source>Contact: %1</source>
        <translation>Contact : %1</translation>
    </message>
    <message>
        <source>Save Map Area</source>
        <translation>Enregistrer une zone de carte</translation>
    </message>
    <message>
        <source>Show a tile source first (View &gt; World Map).</source>
        <translation>Affichez d&apos;abord une source de tuiles (Affichage &gt; Carte du monde).</translation>
    </message>
    <message>
        <source>From zoom:</source>
        <translation>Du niveau :</translation>
    </message>
    <message>
        <source>To zoom:</source>
        <translation>Au niveau :</translation>
    </message>
    <message>
        <source>Tiles:</source>
        <translation>Tuiles :</translation>
    </message>
    <message>
        <source>%1, about %2%3</source>
        <translation>%1, environ %2%3</translation>
    </message>
    <message>
        <source>MBTiles (*.mbtiles)</source>
        <translation>Fichiers MBTiles (*.mbtiles)</translation>
    </message>
    <message>
        <source>Saving tiles...</source>
        <translation>Enregistrement des tuiles...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancelled: %1 of %2 tiles are saved; saving the area again goes on from there.</source>
        <translation>Annulé : %1 tuiles sur %2 sont enregistrées ; enregistrer à nouveau la zone reprend à partir de là.</translation>
    </message>
    <message>
        <source>%1 of %2 tiles could not be fetched (%3); saving the area again fetches the rest.</source>
        <translation>%1 tuiles sur %2 n&apos;ont pas pu être téléchargées (%3) ; enregistrer à nouveau la zone télécharge le reste.</translation>
    </message>
    <message>
        <source>Saved %1 tiles.</source>
        <translation>%1 tuiles enregistrées.</translation>
    </message>
    <message>
        <source>Point %1 of %1: point 1 will be dropped.</source>
        <translation>Point %1 sur %1 : le point 1 sera retiré.</translation>
    </message>
    <message>
        <source>Point %1 of %2</source>
        <translation>Point %1 sur %2</translation>
    </message>
    <message>
        <source>Load a map with File &gt; Load Map... or drop an image here</source>
        <translation>Chargez une carte avec Fichier &gt; Charger une carte... ou déposez une image ici</translation>
    </message>
</context>
<context>
    <name>TerrainCommands</name>
    <message>
        <source>DEM Folder</source>
        <translation>Dossier MNT</translation>
    </message>
</context>
<context>
    <name>TrackCommands</name>
    <message>
        <source>Unable to open file: </source>
        <translation>Impossible d&apos;ouvrir le fichier : </translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Erreur de chargement</translation>
    </message>
    <message>
        <source>Open Tracks</source>
        <translation>Ouvrir des parcours</translation>
    </message>
    <message>
        <source>Choose what to colour by first (View &gt; Colour By).</source>
        <translation>Choisissez d&apos;abord selon quoi colorer (Affichage &gt; Colorer selon).</translation>
    </message>
    <message>
        <source>Colour Limits</source>
        <translation>Limites des couleurs</translation>
    </message>
    <message>
        <source>From the values shown</source>
        <translation>Selon les valeurs affichées</translation>
    </message>
    <message>
        <source>Low:</source>
        <translation>Bas :</translation>
    </message>
    <message>
        <source>High:</source>
        <translation>Haut :</translation>
    </message>
    <message>
        <source>High must be above Low.</source>
        <translation>Haut doit être au-dessus de Bas.</translation>
    </message>
</context>
<context>
    <name>TracksDock</name>
    <message>
        <source>Tracks</source>
        <translation>Parcours</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Parcours</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>En mouvement</translation>
    </message>
    <message>
        <source>Zoom To</source>
        <translation>Cadrer</translation>
    </message>
    <message>
        <source>Colour...</source>
        <translation>Couleur...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Statistics...</source>
        <translation>Statistiques...</translation>
    </message>
    <message>
        <source>Track Colour</source>
        <translation>Couleur du parcours</translation>
    </message>
    <message>
        <source>Ascent: %1 m</source>
        <translation>Montée : %1 m</translation>
    </message>
    <message>
        <source>Descent: %1 m</source>
        <translation>Descente : %1 m</translation>
    </message>
</context>
<context>
    <name>calib::CalibrationPointsDlg</name>
    <message>
        <source>Calibration Points</source>
        <translation>Points d&apos;étalonnage</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Pixel</source>
        <translation>Point d&apos;image</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <source>Fit Error</source>
        <translation>Écart d&apos;ajustement</translation>
    </message>
    <message>
        <source>Left Out</source>
        <translation>Mis à part</translation>
    </message>
    <message>
        <source>Fit Error: how far the map puts each pixel from its position. Left Out: the same by the fit of the other points alone.</source>
        <translation>Écart d&apos;ajustement : la distance entre chaque pixel placé par la carte et sa position. Mis à part : la même, par l&apos;ajustement des autres points seuls.</translation>
    </message>
    <message>
        <source>Delete Point</source>
        <translation>Supprimer le point</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>not calibrated</source>
        <translation>non étalonnée</translation>
    </message>
    <message>
        <source>check</source>
        <translation>à vérifier</translation>
    </message>
</context>
<context>
    <name>calib::MapSettingsDlg</name>
    <message>
        <source>Map Settings</source>
        <translation>Paramètres de la carte</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Mag Var:</source>
        <translation>Déclinaison :</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>W x H</source>
        <translation>L x H</translation>
    </message>
    <message>
        <source>Map Info</source>
        <translation>Infos sur la carte</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Calibration Params:</source>
        <translation>Paramètres d&apos;étalonnage :</translation>
    </message>
    <message>
        <source>Latitude/longitude graticule</source>
        <translation>Graticule latitude/longitude</translation>
    </message>
    <message>
        <source>Topographic grid</source>
        <translation>Quadrillage topographique</translation>
    </message>
    <message>
        <source>Nautical chart</source>
        <translation>Carte marine</translation>
    </message>
    <message>
        <source>Named grid</source>
        <translation>Quadrillage nommé</translation>
    </message>
    <message>
        <source>UTM 32N, EPSG:2056 or a PROJ definition</source>
        <translation>UTM 32N, EPSG:2056 ou une définition PROJ</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Quadrillage</translation>
    </message>
    <message>
        <source>Drawn on:</source>
        <translation>Tracée sur :</translation>
    </message>
    <message>
        <source>Grid:</source>
        <translation>Quadrillage :</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Système géodésique :</translation>
    </message>
    <message>
        <source>Points kept:</source>
        <translation>Points conservés :</translation>
    </message>
    <message>
        <source>Overlay colour:</source>
        <translation>Couleur du quadrillage :</translation>
    </message>
    <message>
        <source>Please enter a number between 0 and 180.</source>
        <translation>Veuillez saisir un nombre entre 0 et 180.</translation>
    </message>
</context>
<context>
    <name>coords::EnterCoordsDlg</name>
    <message>
        <source>Datum</source>
        <translation>Système géodésique</translation>
    </message>
    <message>
        <source>Use GPS Position</source>
        <translation>Prendre la position GPS</translation>
    </message>
    <message>
        <source>easting northing</source>
        <translation>abscisse ordonnée</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Saisie incorrecte</translation>
    </message>
</context>
<context>
    <name>core</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Unable to write file: </source>
        <translation>Impossible d&apos;écrire le fichier : </translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Erreur d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Unable to open COM port</source>
        <translation>Impossible d&apos;ouvrir le port COM</translation>
    </message>
    <message>
        <source>Unable to open the GPS source</source>
        <translation>Impossible d&apos;ouvrir la source GPS</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Unable to open file: </source>
        <translation>Impossible d&apos;ouvrir le fichier : </translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Erreur de chargement</translation>
    </message>
    <message>
        <source>The trail is not being recorded.</source>
        <translation>La trace n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>Length: </source>
        <translation>Longueur : </translation>
    </message>
    <message>
        <source>Time moving: </source>
        <translation>Temps en mouvement : </translation>
    </message>
    <message>
        <source>Average speed: </source>
        <translation>Vitesse moyenne : </translation>
    </message>
    <message>
        <source>Top speed: </source>
        <translation>Vitesse maximale : </translation>
    </message>
    <message>
        <source>Start: </source>
        <translation>Début : </translation>
    </message>
    <message>
        <source>End: </source>
        <translation>Fin : </translation>
    </message>
    <message>
        <source>No fix</source>
        <translation>Pas de position</translation>
    </message>
    <message>
        <source>RTK float</source>
        <translation>RTK flottant</translation>
    </message>
    <message>
        <source>RTK fixed</source>
        <translation>RTK fixe</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Alt.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Cap</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Sat.</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Vers</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Dist.</translation>
    </message>
    <message>
        <source>Bearing</source>
        <translation>Relèvement</translation>
    </message>
    <message>
        <source>ETA</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Off track</source>
        <translation>Écart de route</translation>
    </message>
    <message>
        <source>Moving time</source>
        <translation>Temps en mouvement</translation>
    </message>
    <message>
        <source>Average speed</source>
        <translation>Vitesse moyenne</translation>
    </message>
    <message>
        <source>Top speed</source>
        <translation>Vitesse maximale</translation>
    </message>
    <message>
        <source>Calibration Error</source>
        <translation>Erreur d&apos;étalonnage</translation>
    </message>
    <message>
        <source>This map has no calibration information.</source>
        <translation>Cette carte n&apos;a pas d&apos;étalonnage.</translation>
    </message>
    <message>
        <source>Ruler: tap the map to start</source>
        <translation>Règle : touchez la carte pour commencer</translation>
    </message>
    <message>
        <source>Ruler: tap the next point</source>
        <translation>Règle : touchez le point suivant</translation>
    </message>
    <message>
        <source>GPS: Connected.</source>
        <translation>GPS : connecté.</translation>
    </message>
    <message>
        <source>GPS: Disconnected.</source>
        <translation>GPS : déconnecté.</translation>
    </message>
    <message>
        <source>COM port read error.</source>
        <translation>Erreur de lecture du port COM.</translation>
    </message>
    <message>
        <source>End of log.</source>
        <translation>Fin du journal.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Invisible</source>
        <translation>Masqué</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Crosshair</source>
        <translation>Réticule</translation>
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
        <translation>Modifier le point</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Coordonnées :</translation>
    </message>
    <message>
        <source>Symbol:</source>
        <translation>Symbole :</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Trait :</translation>
    </message>
    <message>
        <source>Fill:</source>
        <translation>Remplissage :</translation>
    </message>
    <message>
        <source>Desc:</source>
        <translation>Descr. :</translation>
    </message>
    <message>
        <source>A name must be supplied.</source>
        <translation>Un nom est obligatoire.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Enter point position:</source>
        <translation>Saisir la position du point :</translation>
    </message>
</context>
<context>
    <name>points::EditMapPointsDlg</name>
    <message>
        <source>Edit Map Points</source>
        <translation>Modifier les points de la carte</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Aller à</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Nouveau...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importer...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Select a point to show on the map.</source>
        <translation>Choisissez un point à montrer sur la carte.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Select a point to be deleted.</source>
        <translation>Choisissez un point à supprimer.</translation>
    </message>
    <message>
        <source>Delete this point?</source>
        <translation>Supprimer ce point ?</translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>Google KML (*.kml)</source>
        <translation>Fichiers Google KML (*.kml)</translation>
    </message>
    <message>
        <source>GPX 1.1 (*.gpx)</source>
        <translation>Fichiers GPX 1.1 (*.gpx)</translation>
    </message>
    <message>
        <source>Export Map Points</source>
        <translation>Exporter les points de la carte</translation>
    </message>
    <message>
        <source>Import Map Points</source>
        <translation>Importer des points de carte</translation>
    </message>
    <message>
        <source>GPX or KML (*.gpx *.kml)</source>
        <translation>GPX ou KML (*.gpx *.kml)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Unable to open file: </source>
        <translation>Impossible d&apos;ouvrir le fichier : </translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Erreur de chargement</translation>
    </message>
    <message>
        <source>No points in file: </source>
        <translation>Aucun point dans le fichier : </translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
</context>
<context>
    <name>view::CGPSSettingsCOMPage</name>
    <message>
        <source>the COM port&apos;s device</source>
        <translation>le périphérique du port COM</translation>
    </message>
    <message>
        <source>Used instead of the COM port: a device path, gpsd://HOST:PORT, tcp://HOST:PORT, udp://:PORT, file:LOG or sim:.</source>
        <translation>À la place du port COM : un chemin de périphérique, gpsd://HOST:PORT, tcp://HOST:PORT, udp://:PORT, file:LOG ou sim:.</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>Port COM :</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Débit en bauds :</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Périphérique :</translation>
    </message>
    <message>
        <source>Changes take effect on next GPS connection.</source>
        <translation>Les changements prennent effet à la prochaine connexion GPS.</translation>
    </message>
</context>
<context>
    <name>view::CGPSSettingsPosPage</name>
    <message>
        <source>Symbol:</source>
        <translation>Symbole :</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Trait :</translation>
    </message>
    <message>
        <source>Fill:</source>
        <translation>Remplissage :</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Max Rate:</source>
        <translation>Cadence max. :</translation>
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
        <translation>Un point arrivé plus vite que cela après le précédent commence une nouvelle ligne ; 0 désactive.</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Longueur :</translation>
    </message>
    <message>
        <source>samples</source>
        <translation>points</translation>
    </message>
    <message>
        <source>Min Delta:</source>
        <translation>Écart min. :</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>mètres</translation>
    </message>
    <message>
        <source>Max Speed:</source>
        <translation>Vitesse max. :</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Style :</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Couleur :</translation>
    </message>
</context>
<context>
    <name>view::GpsSettingsSheet</name>
    <message>
        <source>GPS Settings</source>
        <translation>Paramètres GPS</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <source>Trail</source>
        <translation>Trace</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
</context>
<context>
    <name>view::MapCommands</name>
    <message>
        <source>Tap the point on the map first.</source>
        <translation>Touchez d&apos;abord le point sur la carte.</translation>
    </message>
    <message>
        <source>This map is not calibrated.</source>
        <translation>Cette carte n&apos;est pas étalonnée.</translation>
    </message>
    <message>
        <source>Enter Selection Coordinates:</source>
        <translation>Saisir les coordonnées de la sélection :</translation>
    </message>
    <message>
        <source>Map Settings</source>
        <translation>Paramètres de la carte</translation>
    </message>
    <message>
        <source>Enter the true position of the selection:</source>
        <translation>Saisir la vraie position de la sélection :</translation>
    </message>
    <message>
        <source>The position entered lies %1 m at %2° (true) from where the map puts the selection.</source>
        <translation>La position saisie est à %1 m au %2° (vrai) de l&apos;endroit où la carte place la sélection.</translation>
    </message>
    <message>
        <source>Go to Position:</source>
        <translation>Aller à la position :</translation>
    </message>
</context>
<context>
    <name>view::MapFolderCommands</name>
    <message>
        <source>Map folder not found: %1</source>
        <translation>Dossier de cartes introuvable : %1</translation>
    </message>
    <message>
        <source>Open Map Folder</source>
        <translation>Ouvrir un dossier de cartes</translation>
    </message>
    <message>
        <source>Some maps of the folder could not be read:</source>
        <translation>Certaines cartes du dossier n&apos;ont pas pu être lues :</translation>
    </message>
    <message>
        <source>Failed to open map folder</source>
        <translation>Impossible d&apos;ouvrir le dossier de cartes</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>view::MapView</name>
    <message>
        <source>Working offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>A: altitude above sea level
S: satellites used in the fix, all systems together
P: precision, 100 / HDOP: 100% at HDOP 1, higher is better</source>
        <translation>A : altitude au-dessus du niveau de la mer
S : satellites utilisés pour la position, tous systèmes confondus
P : précision, 100 / HDOP : 100 % à HDOP 1, plus c&apos;est haut, mieux c&apos;est</translation>
    </message>
</context>
<context>
    <name>view::ProfilePlot</name>
    <message>
        <source>No track points to show</source>
        <translation>Aucun point de trace à afficher</translation>
    </message>
    <message>
        <source>DEM %1 m</source>
        <translation>MNT %1 m</translation>
    </message>
    <message>
        <source>DEM none</source>
        <translation>MNT aucun</translation>
    </message>
    <message>
        <source>No DEM data in: %1</source>
        <translation>Aucune donnée MNT dans : %1</translation>
    </message>
</context>
</TS>
