<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AdapterAdvice</name>
    <message>
        <source>Ready.</source>
        <translation>Bereit.</translation>
    </message>
    <message>
        <source>brltty took the %1 adapter for a braille display, so it has no serial device.</source>
        <translation>brltty hat den Adapter %1 für eine Braillezeile gehalten, daher hat er kein serielles Gerät.</translation>
    </message>
    <message>
        <source>Unless you use a braille display, run &quot;sudo apt remove brltty&quot; and plug the adapter in again.</source>
        <translation>Wenn Sie keine Braillezeile nutzen, führen Sie &quot;sudo apt remove brltty&quot; aus und stecken Sie den Adapter neu ein.</translation>
    </message>
    <message>
        <source>No driver has taken the %1 adapter: it needs the kernel module %2.</source>
        <translation>Kein Treiber hat den Adapter %1 übernommen: Er braucht das Kernelmodul %2.</translation>
    </message>
    <message>
        <source>Run &quot;sudo modprobe %2&quot;; if that fails, the kernel was updated: restart the computer.</source>
        <translation>Führen Sie &quot;sudo modprobe %2&quot; aus; schlägt das fehl, wurde der Kernel aktualisiert: Starten Sie den Computer neu.</translation>
    </message>
    <message>
        <source>You may not open %1: it belongs to the group %2, and your user is not in it.</source>
        <translation>Sie dürfen %1 nicht öffnen: Es gehört der Gruppe %2, zu der Ihr Benutzer nicht gehört.</translation>
    </message>
    <message>
        <source>Run &quot;sudo adduser $USER %2&quot;, then log out and back in. Installed from its package, Rotaline opens %4 adapters without it (plug the adapter in again after installing).</source>
        <translation>Führen Sie &quot;sudo adduser $USER %2&quot; aus, melden Sie sich dann ab und wieder an. Aus seinem Paket installiert, öffnet Rotaline %4-Adapter auch ohne sie (stecken Sie den Adapter nach der Installation neu ein).</translation>
    </message>
    <message>
        <source>Your user was added to the group %2 after this login began, so %1 may not be opened yet.</source>
        <translation>Ihr Benutzer wurde erst nach dieser Anmeldung der Gruppe %2 hinzugefügt, daher darf %1 noch nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Log out and back in (or restart the computer).</source>
        <translation>Melden Sie sich ab und wieder an (oder starten Sie den Computer neu).</translation>
    </message>
    <message>
        <source>ModemManager is probing %1 for a modem.</source>
        <translation>ModemManager prüft %1 auf ein Modem.</translation>
    </message>
    <message>
        <source>Wait a few seconds, or run &quot;sudo systemctl stop ModemManager&quot;.</source>
        <translation>Warten Sie einige Sekunden oder führen Sie &quot;sudo systemctl stop ModemManager&quot; aus.</translation>
    </message>
    <message>
        <source>%1 is in use by %2 (process %3).</source>
        <translation>%1 wird von %2 benutzt (Prozess %3).</translation>
    </message>
    <message>
        <source>Close %2, then choose the port again.</source>
        <translation>Schließen Sie %2 und wählen Sie dann den Port erneut.</translation>
    </message>
    <message>
        <source>Rotaline runs in a sandbox that shows it no serial devices.</source>
        <translation>Rotaline läuft in einer Sandbox, die ihm keine seriellen Geräte zeigt.</translation>
    </message>
    <message>
        <source>Allow it serial devices with &quot;%2&quot;, then start Rotaline again.</source>
        <translation>Erlauben Sie ihm serielle Geräte mit &quot;%2&quot; und starten Sie Rotaline dann neu.</translation>
    </message>
    <message>
        <source>No serial adapter is plugged in: the system shows none on USB.</source>
        <translation>Kein serieller Adapter eingesteckt: Das System zeigt keinen am USB.</translation>
    </message>
    <message>
        <source>Plug the adapter in. If it still does not show, its cable may be a charge-only cable (without data lines) or its hub may have no power: try another cable or socket.</source>
        <translation>Stecken Sie den Adapter ein. Erscheint er dann immer noch nicht, ist sein Kabel vielleicht ein reines Ladekabel (ohne Datenleitungen) oder sein Hub hat keinen Strom: Versuchen Sie ein anderes Kabel oder eine andere Buchse.</translation>
    </message>
    <message>
        <source>Another adapter of its kind has the same name, so its COM number follows the USB socket: keep the cable in that socket.</source>
        <translation>Ein anderer Adapter seiner Art hat denselben Namen, daher folgt seine COM-Nummer der USB-Buchse: Lassen Sie das Kabel in dieser Buchse.</translation>
    </message>
    <message>
        <source>Rotaline runs as root, which may open any serial device.</source>
        <translation>Rotaline läuft als root und darf jedes serielle Gerät öffnen.</translation>
    </message>
    <message>
        <source>Your user is in the group &quot;dialout&quot;, so it may open any serial adapter.</source>
        <translation>Ihr Benutzer gehört zur Gruppe &quot;dialout&quot; und darf daher jeden seriellen Adapter öffnen.</translation>
    </message>
    <message>
        <source>Your user was added to the group &quot;dialout&quot; after this login began: log out and back in before it may open serial adapters.</source>
        <translation>Ihr Benutzer wurde erst nach dieser Anmeldung der Gruppe &quot;dialout&quot; hinzugefügt: Melden Sie sich ab und wieder an, bevor er serielle Adapter öffnen darf.</translation>
    </message>
    <message>
        <source>Installed from its package, Rotaline lets the user at the desktop open %1 adapters. Other devices need the group &quot;dialout&quot;, which your user is not in: run &quot;sudo adduser $USER dialout&quot;, then log out and back in.</source>
        <translation>Aus seinem Paket installiert, lässt Rotaline den Benutzer am Desktop %1-Adapter öffnen. Andere Geräte erfordern die Gruppe &quot;dialout&quot;, zu der Ihr Benutzer nicht gehört: Führen Sie &quot;sudo adduser $USER dialout&quot; aus und melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 is not present.</source>
        <translation>%1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>Plug the adapter in, or give its COM number to the adapter&apos;s device.</source>
        <translation>Stecken Sie den Adapter ein, oder weisen Sie die COM-Nummer dem Gerät des Adapters zu.</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 ist kein serielles Gerät.</translation>
    </message>
    <message>
        <source>Give its COM number to the adapter&apos;s device.</source>
        <translation>Weisen Sie die COM-Nummer dem Gerät des Adapters zu.</translation>
    </message>
    <message>
        <source>No driver is installed for the %1 adapter.</source>
        <translation>Für den Adapter %1 ist kein Treiber installiert.</translation>
    </message>
    <message>
        <source>Install its driver, %2, then plug the adapter in again. Windows Update may offer it under Optional updates.</source>
        <translation>Installieren Sie seinen Treiber, %2, und stecken Sie den Adapter dann neu ein. Windows Update bietet ihn eventuell unter &quot;Optionale Updates&quot; an.</translation>
    </message>
    <message>
        <source>The driver of the %1 adapter could not start it.</source>
        <translation>Der Treiber des Adapters %1 konnte ihn nicht starten.</translation>
    </message>
    <message>
        <source>Plug the adapter in again; if that does not help, install its driver, %2, again. Prolific&apos;s newer drivers refuse old and copied PL2303 chips: use an adapter with another chip.</source>
        <translation>Stecken Sie den Adapter neu ein; hilft das nicht, installieren Sie seinen Treiber, %2, erneut. Neuere Treiber von Prolific weisen alte und nachgebaute PL2303-Chips ab: Nehmen Sie einen Adapter mit einem anderen Chip.</translation>
    </message>
    <message>
        <source>The %1 adapter is disabled in the Device Manager.</source>
        <translation>Der Adapter %1 ist im Geräte-Manager deaktiviert.</translation>
    </message>
    <message>
        <source>In the Device Manager, right-click the adapter and choose &quot;Enable device&quot;.</source>
        <translation>Klicken Sie im Geräte-Manager mit der rechten Maustaste auf den Adapter und wählen Sie &quot;Gerät aktivieren&quot;.</translation>
    </message>
    <message>
        <source>The driver of the %1 adapter makes no COM port for it.</source>
        <translation>Der Treiber des Adapters %1 legt keinen COM-Port für ihn an.</translation>
    </message>
    <message>
        <source>Install its driver, %2, which makes one. FTDI&apos;s driver makes one only with &quot;Load VCP&quot; ticked: Device Manager, the adapter&apos;s &quot;USB Serial Converter&quot;, Properties, Advanced.</source>
        <translation>Installieren Sie seinen Treiber, %2, der einen anlegt. Der Treiber von FTDI legt nur einen an, wenn &quot;Load VCP&quot; angekreuzt ist: Geräte-Manager, &quot;USB Serial Converter&quot; des Adapters, Eigenschaften, Erweitert.</translation>
    </message>
</context>
<context>
    <name>AdapterReport</name>
    <message>
        <source>stable name</source>
        <translation>fester Name</translation>
    </message>
    <message>
        <source>COM number</source>
        <translation>COM-Nummer</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>state</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>fix</source>
        <translation>Abhilfe</translation>
    </message>
    <message>
        <source>no serial device</source>
        <translation>kein serielles Gerät</translation>
    </message>
</context>
<context>
    <name>AdaptersDialog</name>
    <message>
        <source>Serial adapters</source>
        <translation>Serielle Adapter</translation>
    </message>
    <message>
        <source>Give your programming adapter a COM number. It keeps it when it is plugged in again.</source>
        <translation>Geben Sie Ihrem Programmieradapter eine COM-Nummer. Er behält sie, wenn er wieder eingesteckt wird.</translation>
    </message>
    <message>
        <source>assigned by hand</source>
        <translation>von Hand zugewiesen</translation>
    </message>
    <message>
        <source>assigned, not present</source>
        <translation>zugewiesen, nicht vorhanden</translation>
    </message>
    <message>
        <source>Device path:</source>
        <translation>Gerätepfad:</translation>
    </message>
    <message>
        <source>Assign</source>
        <translation>Zuweisen</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>COM port</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>Adapter</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Stable name</source>
        <translation>Fester Name</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>%1 is given to %2. Give it to %3 instead?</source>
        <translation>%1 ist %2 zugewiesen. Stattdessen %3 zuweisen?</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Airplane</source>
        <translation>Flugzeug</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>Hubschrauber</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>Boot</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>&lt;=30A for aireplane</source>
        <translation>&lt;=30A für Flugzeuge</translation>
    </message>
    <message>
        <source>&gt;=40A for aireplane</source>
        <translation>&gt;=40A für Flugzeuge</translation>
    </message>
    <message>
        <source>&lt;=30A for helicopter</source>
        <translation>&lt;=30A für Heli</translation>
    </message>
    <message>
        <source>&gt;=40A for helicopter</source>
        <translation>&gt;=40A für Heli</translation>
    </message>
    <message>
        <source>&gt;=40A for boat</source>
        <translation>&gt;=40A für Boote</translation>
    </message>
    <message>
        <source>30A for car</source>
        <translation>30A für Autos</translation>
    </message>
    <message>
        <source>&gt;=50A for car</source>
        <translation>&gt;=50A für Autos</translation>
    </message>
</context>
<context>
    <name>ControlNames</name>
    <message>
        <source>The controller model. Choosing one restores and sends its factory defaults.</source>
        <translation>Das Reglermodell. Die Auswahl stellt seine Werkseinstellungen wieder her und sendet sie.</translation>
    </message>
    <message>
        <source>Click it to choose the serial adapter for each COM number.</source>
        <translation>Klicken, um für jede COM-Nummer den seriellen Adapter zu wählen.</translation>
    </message>
    <message>
        <source>The serial port of the programming adapter. Choosing one sends it the handshake.</source>
        <translation>Der serielle Port des Programmieradapters. Die Auswahl sendet ihm den Handshake.</translation>
    </message>
    <message>
        <source>Port ready</source>
        <translation>Port bereit</translation>
    </message>
    <message>
        <source>The adapter took the handshake. Click it to choose the serial adapter for each COM number.</source>
        <translation>Der Adapter hat den Handshake angenommen. Klicken, um für jede COM-Nummer den seriellen Adapter zu wählen.</translation>
    </message>
    <message>
        <source>Port not usable</source>
        <translation>Port nicht nutzbar</translation>
    </message>
    <message>
        <source>Restores every setting to the factory default of the chosen model and sends it.</source>
        <translation>Setzt jede Einstellung auf die Werkseinstellung des gewählten Modells zurück und sendet sie.</translation>
    </message>
    <message>
        <source>Change notes</source>
        <translation>Änderungsprotokoll</translation>
    </message>
    <message>
        <source>One line for each setting sent to the controller; what the controller sends back shows here too.</source>
        <translation>Eine Zeile für jede an den Regler gesendete Einstellung; was der Regler zurücksendet, erscheint ebenfalls hier.</translation>
    </message>
    <message>
        <source>Empties the change notes.</source>
        <translation>Leert das Änderungsprotokoll.</translation>
    </message>
    <message>
        <source>ESC type</source>
        <translation>Reglertyp</translation>
    </message>
    <message>
        <source>The kind of model the controller is for; each kind has its own settings.</source>
        <translation>Die Modellart, für die der Regler bestimmt ist; jede Art hat ihre eigenen Einstellungen.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Open, save, about.</source>
        <translation>Öffnen, Speichern, Info.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Sent so far</source>
        <translation>Bisher gesendet</translation>
    </message>
    <message>
        <source>Open a settings file</source>
        <translation>Eine Einstellungsdatei öffnen</translation>
    </message>
    <message>
        <source>Save the settings to a file</source>
        <translation>Die Einstellungen in einer Datei speichern</translation>
    </message>
    <message>
        <source>About Rotaline</source>
        <translation>Über Rotaline</translation>
    </message>
</context>
<context>
    <name>FactoryDefaults</name>
    <message>
        <source>All setting is in factory default</source>
        <translation>Alle Einstellungen stehen auf Werkseinstellung</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>no adapter</source>
        <translation>kein Adapter</translation>
    </message>
    <message>
        <source>sent in full</source>
        <translation>vollständig gesendet</translation>
    </message>
    <message>
        <source>NOT sent in full</source>
        <translation>NICHT vollständig gesendet</translation>
    </message>
    <message numerus="yes">
        <source>%n changed from factory</source>
        <translation>
            <numerusform>%n von der Werkseinstellung abweichend</numerusform>
            <numerusform>%n von der Werkseinstellung abweichend</numerusform>
        </translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>nicht bestätigt</translation>
    </message>
    <message>
        <source>%1: a record the window cannot load, skipped</source>
        <translation>%1: ein Eintrag, den das Fenster nicht laden kann, übersprungen</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>COM port</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>Adapter</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Sent in full</source>
        <translation>Vollständig gesendet</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>nicht bestätigt</translation>
    </message>
    <message>
        <source>Records, newest first</source>
        <translation>Einträge, neueste zuerst</translation>
    </message>
    <message>
        <source>Settings of the record</source>
        <translation>Einstellungen des Eintrags</translation>
    </message>
    <message>
        <source>Nothing has been sent to a controller yet.</source>
        <translation>Bisher wurde nichts an einen Regler gesendet.</translation>
    </message>
    <message>
        <source>The journal %1 cannot be read: %2</source>
        <translation>Das Journal %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is larger than the journal grows: only its newest records are shown.</source>
        <translation>%1 ist größer, als das Journal wird: nur die neuesten Einträge werden gezeigt.</translation>
    </message>
    <message>
        <source>This record cannot be shown.</source>
        <translation>Dieser Eintrag kann nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>&amp;Compare with window</source>
        <translation>Mit Fenster &amp;vergleichen</translation>
    </message>
    <message>
        <source>&amp;Load into window</source>
        <translation>In Fenster &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save as settings file...</source>
        <translation>Als Einstellungsdatei &amp;speichern...</translation>
    </message>
    <message>
        <source>The window holds the same settings.</source>
        <translation>Das Fenster zeigt dieselben Einstellungen.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>LanguageSwitch</name>
    <message>
        <source>File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>&amp;Öffnen...</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Serial adapters...</source>
        <translation>Serielle &amp;Adapter...</translation>
    </message>
    <message>
        <source>Send all settings again(&amp;A)</source>
        <translation>Alle Einstellungen &amp;erneut senden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Undo(&amp;U)</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Redo(&amp;R)</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Langage</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>How to Use...</source>
        <translation>&amp;Bedienung...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>COM port Select</source>
        <translation>COM-Port wählen</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Clear Note</source>
        <translation>Protokoll leeren</translation>
    </message>
    <message>
        <source>ESC Type</source>
        <translation>Reglertyp</translation>
    </message>
    <message>
        <source>Software will be changed into english version,all of the setting must be reset,</source>
        <translation>Die Software wird auf die deutsche Version umgestellt, alle Einstellungen werden zurückgesetzt.</translation>
    </message>
    <message>
        <source>Do you want to countiune?</source>
        <translation>Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Language:English</source>
        <translation>Sprache:Deutsch</translation>
    </message>
    <message>
        <source>History...(&amp;H)</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>Print setup sheet...(&amp;P)</source>
        <translation>Einstellblatt &amp;drucken...</translation>
    </message>
    <message>
        <source>Export setup sheet as PDF...(&amp;D)</source>
        <translation>Einstellblatt als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
</context>
<context>
    <name>LineStatus</name>
    <message numerus="yes">
        <source>Sending to %1… %n message(s) left (%2 s)</source>
        <translation>
            <numerusform>Senden an %1… noch %n Nachricht (%2 s)</numerusform>
            <numerusform>Senden an %1… noch %n Nachrichten (%2 s)</numerusform>
        </translation>
    </message>
    <message>
        <source>All settings sent to %1 at %2</source>
        <translation>Alle Einstellungen um %2 an %1 gesendet</translation>
    </message>
    <message>
        <source>Handshake sent to %1</source>
        <translation>Handshake an %1 gesendet</translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) not sent to the controller — File &gt; Send all settings again</source>
        <translation>
            <numerusform>%n Einstellung nicht an den Regler gesendet — Datei &gt; Alle Einstellungen erneut senden</numerusform>
            <numerusform>%n Einstellungen nicht an den Regler gesendet — Datei &gt; Alle Einstellungen erneut senden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) not sent to the controller — choose the model first</source>
        <translation>
            <numerusform>%n Einstellung nicht an den Regler gesendet — wählen Sie zuerst das Modell</numerusform>
            <numerusform>%n Einstellungen nicht an den Regler gesendet — wählen Sie zuerst das Modell</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishing sending to the controller…</source>
        <translation>Senden an den Regler wird abgeschlossen…</translation>
    </message>
    <message>
        <source>Quit now</source>
        <translation>Jetzt beenden</translation>
    </message>
    <message>
        <source>%1 is back</source>
        <translation>%1 ist wieder da</translation>
    </message>
    <message numerus="yes">
        <source>%1 is back — %n setting(s) not sent: File &gt; Send all settings again</source>
        <translation>
            <numerusform>%1 ist wieder da — %n Einstellung nicht gesendet: Datei &gt; Alle Einstellungen erneut senden</numerusform>
            <numerusform>%1 ist wieder da — %n Einstellungen nicht gesendet: Datei &gt; Alle Einstellungen erneut senden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is back — %n setting(s) not sent: choose the model first</source>
        <translation>
            <numerusform>%1 ist wieder da — %n Einstellung nicht gesendet: wählen Sie zuerst das Modell</numerusform>
            <numerusform>%1 ist wieder da — %n Einstellungen nicht gesendet: wählen Sie zuerst das Modell</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source> port is invalid !</source>
        <translation> ist ungültig!</translation>
    </message>
    <message>
        <source> is invalild ! </source>
        <translation> ist ungültig! </translation>
    </message>
    <message>
        <source>Please slect other COM port !</source>
        <translation>Bitte einen anderen COM-Port wählen!</translation>
    </message>
    <message>
        <source>Rotaline cannot read its settings file %1:<byte value="xd"/>
%2<byte value="xd"/>
It starts without its recent files and adapter assignments, and leaves the file as it is.</source>
        <translation>Rotaline kann seine Einstellungsdatei %1 nicht lesen:<byte value="xd"/>
%2<byte value="xd"/>
Es startet ohne die zuletzt geöffneten Dateien und Adapterzuweisungen und lässt die Datei unverändert.</translation>
    </message>
    <message>
        <source>Rotaline cannot keep its settings in %1:<byte value="xd"/>
%2<byte value="xd"/>
The recent files and adapter assignments last until you quit.</source>
        <translation>Rotaline kann seine Einstellungen nicht in %1 speichern:<byte value="xd"/>
%2<byte value="xd"/>
Die zuletzt geöffneten Dateien und Adapterzuweisungen gelten nur bis zum Beenden.</translation>
    </message>
    <message>
        <source>Rotaline cannot write its journal of what was sent:<byte value="xd"/>
%1<byte value="xd"/>
Programming goes on; File &gt; History lacks what is sent until the journal can be written again.</source>
        <translation>Rotaline kann sein Protokoll des Gesendeten nicht schreiben:<byte value="xd"/>
%1<byte value="xd"/>
Das Programmieren geht weiter; in Datei &gt; Verlauf fehlt, was gesendet wird, bis das Protokoll wieder geschrieben werden kann.</translation>
    </message>
</context>
<context>
    <name>ModelSelection</name>
    <message>
        <source>ESC type  </source>
        <translation>Reglertyp  </translation>
    </message>
    <message>
        <source>No model chosen</source>
        <translation>Kein Modell gewählt</translation>
    </message>
</context>
<context>
    <name>ParameterHints</name>
    <message>
        <source>degrees (°)</source>
        <translation>Grad (°)</translation>
    </message>
    <message>
        <source>amperes (A)</source>
        <translation>Ampere (A)</translation>
    </message>
    <message>
        <source>kilohertz (kHz)</source>
        <translation>Kilohertz (kHz)</translation>
    </message>
    <message>
        <source>volts per cell (V)</source>
        <translation>Volt pro Zelle (V)</translation>
    </message>
    <message>
        <source>milliseconds of throttle pulse (ms)</source>
        <translation>Millisekunden Gasimpuls (ms)</translation>
    </message>
    <message>
        <source>percent of full power (%)</source>
        <translation>Prozent der vollen Leistung (%)</translation>
    </message>
    <message>
        <source>seconds (s)</source>
        <translation>Sekunden (s)</translation>
    </message>
    <message>
        <source>Factory default: </source>
        <translation>Werkseinstellung: </translation>
    </message>
    <message>
        <source>Unit: </source>
        <translation>Einheit: </translation>
    </message>
    <message>
        <source>Factory default: no number (the controller counts the cells itself)</source>
        <translation>Werkseinstellung: keine Zahl (der Regler zählt die Zellen selbst)</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>Battery</source>
        <translation>Akku</translation>
    </message>
    <message>
        <source>Initial &amp; End Point</source>
        <translation>Gasweg Start &amp; Ende</translation>
    </message>
    <message>
        <source>Forward &amp; Revervse Point</source>
        <translation>Gasweg vorwärts &amp; rückwärts</translation>
    </message>
    <message>
        <source>Power Limit</source>
        <translation>Leistungsbegrenzung</translation>
    </message>
    <message>
        <source>Current Limit</source>
        <translation>Strombegrenzung</translation>
    </message>
    <message>
        <source>The most current the motor may draw; above it the controller takes power back.</source>
        <translation>Der höchste Strom, den der Motor ziehen darf; darüber nimmt der Regler Leistung zurück.</translation>
    </message>
    <message>
        <source>Timing Degree</source>
        <translation>Timing in Grad</translation>
    </message>
    <message>
        <source>How far ahead the controller switches the motor&apos;s windings. More timing gives more speed and power, but also more current and heat.</source>
        <translation>Wie früh der Regler die Wicklungen des Motors umschaltet. Mehr Timing bringt mehr Drehzahl und Leistung, aber auch mehr Strom und Wärme.</translation>
    </message>
    <message>
        <source>Timing Montor</source>
        <translation>Timing-Check</translation>
    </message>
    <message>
        <source>ON|OFF</source>
        <translation>EIN|AUS</translation>
    </message>
    <message>
        <source>Whether the controller watches the motor&apos;s timing while it runs and corrects it.</source>
        <translation>Ob der Regler das Timing des Motors im Betrieb überwacht und korrigiert.</translation>
    </message>
    <message>
        <source>Accumulator Type</source>
        <translation>Akkutyp</translation>
    </message>
    <message>
        <source>NiCd/NiMH |Li-ion/Poly </source>
        <translation>NiCd/NiMH |Li-Ion/LiPo </translation>
    </message>
    <message>
        <source>The kind of battery that powers the model; it decides which cut-off voltages apply.</source>
        <translation>Die Art des Akkus, der das Modell versorgt; sie bestimmt, welche Abschaltspannungen gelten.</translation>
    </message>
    <message>
        <source>Number of Cell</source>
        <translation>Zellenzahl</translation>
    </message>
    <message>
        <source>How many cells the battery has in series. Auto counts them when the battery is plugged in.</source>
        <translation>Wie viele Zellen der Akku in Reihe hat. Auto zählt sie, sobald der Akku angesteckt wird.</translation>
    </message>
    <message>
        <source>Cut Off Per Cell</source>
        <translation>Abschalten bei</translation>
    </message>
    <message>
        <source>NiCd/NiMH: when a cell drops to this voltage, the controller cuts the motor&apos;s power so that the battery is not run flat.</source>
        <translation>NiCd/NiMH: Sinkt eine Zelle auf diese Spannung, nimmt der Regler dem Motor die Leistung, damit der Akku nicht tiefentladen wird.</translation>
    </message>
    <message>
        <source>Cut Off Type</source>
        <translation>Abschaltart</translation>
    </message>
    <message>
        <source>Slow Down|Hard</source>
        <translation>Sanft|Hart</translation>
    </message>
    <message>
        <source>What happens at the cut-off voltage: the motor slows down gradually, or stops at once.</source>
        <translation>Was bei der Abschaltspannung geschieht: Der Motor wird allmählich langsamer oder hält sofort an.</translation>
    </message>
    <message>
        <source>Li-ion/Poly: when a cell drops to this voltage, the controller cuts the motor&apos;s power so that the battery is not run flat.</source>
        <translation>Li-Ion/LiPo: Sinkt eine Zelle auf diese Spannung, nimmt der Regler dem Motor die Leistung, damit der Akku nicht tiefentladen wird.</translation>
    </message>
    <message>
        <source>Throttle Curve</source>
        <translation>Gaskurve</translation>
    </message>
    <message>
        <source>Logarithmical|Linear|Exponetial</source>
        <translation>Logarithmisch|Linear|Exponentiell</translation>
    </message>
    <message>
        <source>How the motor&apos;s power follows the throttle stick: logarithmical gives more power early, exponential more near the top, linear in step with the stick.</source>
        <translation>Wie die Motorleistung dem Gasknüppel folgt: logarithmisch gibt früh mehr Leistung, exponentiell mehr gegen Vollgas, linear im gleichen Maß wie der Knüppel.</translation>
    </message>
    <message>
        <source> Acceleration</source>
        <translation>Gasannahme</translation>
    </message>
    <message>
        <source>Soft|Midium|Hard</source>
        <translation>Sanft|Mittel|Hart</translation>
    </message>
    <message>
        <source>How quickly the motor follows a sudden opening of the throttle. Soft spares gears and belts.</source>
        <translation>Wie schnell der Motor einem plötzlichen Gasgeben folgt. Sanft schont Zahnräder und Riemen.</translation>
    </message>
    <message>
        <source>Freqency</source>
        <translation>Taktfrequenz</translation>
    </message>
    <message>
        <source>8KHz|16KHz|32KHz</source>
        <translation>8KHz|16KHz|32KHz</translation>
    </message>
    <message>
        <source>How often the controller switches the motor current (PWM). Higher runs smoother, lower keeps the controller cooler.</source>
        <translation>Wie oft der Regler den Motorstrom schaltet (PWM). Höher läuft ruhiger, niedriger hält den Regler kühler.</translation>
    </message>
    <message>
        <source>Initial Point</source>
        <translation>Startpunkt</translation>
    </message>
    <message>
        <source>Automatic|Fixed 1.0mS|Fixed 1.1mS|Fixed 1.2mS|Fixed 1.3mS|Fixed 1.4mS|Fixed 1.5mS</source>
        <translation>Auto|Fest 1.0mS|Fest 1.1mS|Fest 1.2mS|Fest 1.3mS|Fest 1.4mS|Fest 1.5mS</translation>
    </message>
    <message>
        <source>The throttle signal at which the motor starts. Automatic learns it from the transmitter.</source>
        <translation>Das Gassignal, bei dem der Motor anläuft. Auto lernt es vom Sender.</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Endpunkt</translation>
    </message>
    <message>
        <source>Automatic|Fixed 1.7mS|Fixed 1.8mS|Fixed 1.9mS|Fixed 2.0mS</source>
        <translation>Auto|Fest 1.7mS|Fest 1.8mS|Fest 1.9mS|Fest 2.0mS</translation>
    </message>
    <message>
        <source>The throttle signal that gives full power. Automatic learns it from the transmitter.</source>
        <translation>Das Gassignal für volle Leistung. Auto lernt es vom Sender.</translation>
    </message>
    <message>
        <source>Forward Point</source>
        <translation>Vorwärtspunkt</translation>
    </message>
    <message>
        <source>Automatic|Fixed 1.7mS|Fixed 1.8mS|Fixed 1.9mS</source>
        <translation>Auto|Fest 1.7mS|Fest 1.8mS|Fest 1.9mS</translation>
    </message>
    <message>
        <source>The throttle signal that gives full forward power. Automatic learns it from the transmitter.</source>
        <translation>Das Gassignal für volle Leistung vorwärts. Auto lernt es vom Sender.</translation>
    </message>
    <message>
        <source>Reverse Point</source>
        <translation>Rückwärtspunkt</translation>
    </message>
    <message>
        <source>Automatic|Fixed 1.0mS|Fixed 1.1mS|Fixed 1.2mS|Fixed 1.3mS</source>
        <translation>Auto|Fest 1.0mS|Fest 1.1mS|Fest 1.2mS|Fest 1.3mS</translation>
    </message>
    <message>
        <source>The throttle signal that gives full reverse power. Automatic learns it from the transmitter.</source>
        <translation>Das Gassignal für volle Leistung rückwärts. Auto lernt es vom Sender.</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Drehsinn</translation>
    </message>
    <message>
        <source>Left|Right</source>
        <translation>Links|Rechts</translation>
    </message>
    <message>
        <source>Which way the motor turns, without swapping its wires.</source>
        <translation>In welche Richtung der Motor dreht, ohne seine Kabel zu tauschen.</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>Whether the motor may also run in reverse.</source>
        <translation>Ob der Motor auch rückwärts laufen darf.</translation>
    </message>
    <message>
        <source>Forward </source>
        <translation>Vorwärts </translation>
    </message>
    <message>
        <source>Holds the power back when going forward. OFF gives full power.</source>
        <translation>Begrenzt die Leistung bei Vorwärtsfahrt. OFF gibt volle Leistung.</translation>
    </message>
    <message>
        <source>Reverse </source>
        <translation>Rückwärts </translation>
    </message>
    <message>
        <source>Holds the power back when going in reverse. OFF gives full power.</source>
        <translation>Begrenzt die Leistung bei Rückwärtsfahrt. OFF gibt volle Leistung.</translation>
    </message>
    <message>
        <source>Delay Time</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>How long the controller waits before it goes from forward into reverse.</source>
        <translation>Wie lange der Regler wartet, bevor er von vorwärts auf rückwärts umschaltet.</translation>
    </message>
    <message>
        <source>Brake Type</source>
        <translation>Bremse</translation>
    </message>
    <message>
        <source>OFF|Extra Soft|Soft|Medium|Hard|Extra Hard</source>
        <translation>AUS|Sehr sanft|Sanft|Mittel|Hart|Sehr hart</translation>
    </message>
    <message>
        <source>How hard the motor brakes when the throttle is closed. OFF lets it turn freely.</source>
        <translation>Wie stark der Motor bremst, wenn das Gas zurückgenommen wird. AUS lässt ihn frei drehen.</translation>
    </message>
    <message>
        <source>Anti-lock braking: the brake is released in short pulses so that the wheels do not lock.</source>
        <translation>Antiblockierbremse: Die Bremse wird in kurzen Stößen gelöst, damit die Räder nicht blockieren.</translation>
    </message>
    <message>
        <source>Helicopter Mode</source>
        <translation>Heli-Modus</translation>
    </message>
    <message>
        <source>Constant RPM|Normal</source>
        <translation>Konstant|Normal</translation>
    </message>
    <message>
        <source>Constant RPM holds the rotor speed steady whatever the load; Normal follows the throttle directly.</source>
        <translation>Konstant hält die Rotordrehzahl bei jeder Last gleich; Normal folgt direkt dem Gas.</translation>
    </message>
    <message>
        <source>Motor Pole No.</source>
        <translation>Motorpolzahl</translation>
    </message>
    <message>
        <source>The number of magnet poles of the motor, so that the controller drives it in step.</source>
        <translation>Die Zahl der Magnetpole des Motors, damit der Regler ihn im Takt ansteuert.</translation>
    </message>
</context>
<context>
    <name>PortHelp</name>
    <message>
        <source>Choose the adapter for COM%1 in File &gt; Serial adapters... (or click the lamp).</source>
        <translation>Wählen Sie den Adapter für COM%1 unter Datei &gt; Serielle Adapter... (oder klicken Sie auf die Lampe).</translation>
    </message>
    <message>
        <source>Give COM%1 a serial adapter in File &gt; Serial adapters... (or click the lamp).</source>
        <translation>Weisen Sie COM%1 unter Datei &gt; Serielle Adapter... einen seriellen Adapter zu (oder klicken Sie auf die Lampe).</translation>
    </message>
    <message>
        <source>Correct the settings file or move it away, then start Rotaline again.</source>
        <translation>Korrigieren oder entfernen Sie die Einstellungsdatei und starten Sie Rotaline dann neu.</translation>
    </message>
    <message>
        <source>Plug in the adapter, or choose another one for COM%1 in File &gt; Serial adapters...</source>
        <translation>Stecken Sie den Adapter ein oder wählen Sie unter Datei &gt; Serielle Adapter... einen anderen für COM%1.</translation>
    </message>
    <message>
        <source>brltty is running: it takes CH340/CH341 adapters for braille displays, and their device vanishes. Unless you use a braille display, remove it (&quot;sudo apt remove brltty&quot;) and plug the adapter in again.</source>
        <translation>brltty läuft: Es hält CH340/CH341-Adapter für Braillezeilen, und ihr Gerät verschwindet. Wenn Sie keine Braillezeile nutzen, entfernen Sie es (&quot;sudo apt remove brltty&quot;) und stecken Sie den Adapter neu ein.</translation>
    </message>
    <message>
        <source>ModemManager is probing the new port for a modem: wait a few seconds and choose the port again, or stop it with &quot;sudo systemctl stop ModemManager&quot;.</source>
        <translation>ModemManager prüft den neuen Port auf ein Modem: Warten Sie einige Sekunden und wählen Sie den Port erneut, oder halten Sie ihn mit &quot;sudo systemctl stop ModemManager&quot; an.</translation>
    </message>
    <message>
        <source>Close the other program and choose the port again.</source>
        <translation>Schließen Sie das andere Programm und wählen Sie den Port erneut.</translation>
    </message>
    <message>
        <source>Plug the adapter in again, then File &gt; Send all settings again.</source>
        <translation>Stecken Sie den Adapter wieder ein, dann Datei &gt; Alle Einstellungen erneut senden.</translation>
    </message>
    <message>
        <source>Plug the adapter in again, then choose the model.</source>
        <translation>Stecken Sie den Adapter wieder ein, dann wählen Sie das Modell.</translation>
    </message>
    <message>
        <source>Check the adapter and its cable, then File &gt; Send all settings again.</source>
        <translation>Prüfen Sie den Adapter und sein Kabel, dann Datei &gt; Alle Einstellungen erneut senden.</translation>
    </message>
    <message>
        <source>Check the adapter and its cable, then choose the model.</source>
        <translation>Prüfen Sie den Adapter und sein Kabel, dann wählen Sie das Modell.</translation>
    </message>
    <message>
        <source>No adapter is assigned to COM%1.</source>
        <translation>COM%1 ist kein Adapter zugewiesen.</translation>
    </message>
    <message>
        <source>%2 is not present.</source>
        <translation>%2 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>You may not use %2.</source>
        <translation>Sie dürfen %2 nicht benutzen.</translation>
    </message>
    <message>
        <source>%2 is in use by another program.</source>
        <translation>%2 wird von einem anderen Programm benutzt.</translation>
    </message>
    <message>
        <source>%2 was disconnected with %5 bytes not yet sent.</source>
        <translation>%2 wurde getrennt, %5 Bytes sind noch nicht gesendet.</translation>
    </message>
    <message>
        <source>%2 stopped taking bytes; %5 of them were not sent.</source>
        <translation>%2 nimmt keine Bytes mehr an; %5 davon wurden nicht gesendet.</translation>
    </message>
    <message>
        <source>%5 bytes for %2 were given up and not sent.</source>
        <translation>%5 Bytes für %2 wurden aufgegeben und nicht gesendet.</translation>
    </message>
    <message>
        <source>Use %1 as COM1</source>
        <translation>%1 als COM1 verwenden</translation>
    </message>
    <message>
        <source>%2 is in use by %3 (process %4).</source>
        <translation>%2 wird von %3 benutzt (Prozess %4).</translation>
    </message>
    <message>
        <source>Installed from its package, Rotaline lets the user at the desktop open %2 adapters (plug the adapter in again after installing). For other devices, add yourself to the dialout group with &quot;sudo adduser $USER dialout&quot;, then log out and in again.</source>
        <translation>Aus seinem Paket installiert, lässt Rotaline den Benutzer am Desktop %2-Adapter öffnen (stecken Sie den Adapter nach der Installation neu ein). Für andere Geräte fügen Sie sich mit &quot;sudo adduser $USER dialout&quot; der Gruppe dialout hinzu und melden sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>%2 is not a serial device.</source>
        <translation>%2 ist kein serielles Gerät.</translation>
    </message>
</context>
<context>
    <name>Sending</name>
    <message>
        <source>Not sent to the controller</source>
        <translation>Nicht an den Regler gesendet</translation>
    </message>
    <message>
        <source>The controller counts the cells itself (Auto): choose their number</source>
        <translation>Der Regler zählt die Zellen selbst (Auto): Zellenzahl wählen</translation>
    </message>
</context>
<context>
    <name>SettingsDescription</name>
    <message>
        <source>(not in use)</source>
        <translation>(nicht benutzt)</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>File is not found or file is error!</source>
        <translation>Datei nicht gefunden oder fehlerhaft!</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <source>Choose a model first: choosing it sends the factory settings</source>
        <translation>Wählen Sie zuerst ein Modell: Die Auswahl sendet die Werkseinstellungen</translation>
    </message>
</context>
<context>
    <name>SetupSheet</name>
    <message>
        <source>Rotaline setup sheet</source>
        <translation>Rotaline-Einstellblatt</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Einstellungsdatei: %1</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>nicht gespeichert</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>ESC type: %1</source>
        <translation>Reglertyp: %1</translation>
    </message>
    <message>
        <source>Model: %1</source>
        <translation>Modell: %1</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>keines gewählt</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Factory value</source>
        <translation>Werkseinstellung</translation>
    </message>
    <message>
        <source>not sent to the controller</source>
        <translation>nicht an den Regler gesendet</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Journal: sent in full</source>
        <translation>Journal: vollständig gesendet</translation>
    </message>
    <message>
        <source>Journal: NOT sent in full</source>
        <translation>Journal: NICHT vollständig gesendet</translation>
    </message>
    <message>
        <source>Journal: not confirmed</source>
        <translation>Journal: nicht bestätigt</translation>
    </message>
    <message>
        <source>%1, changed since saved</source>
        <translation>%1, seit dem Speichern geändert</translation>
    </message>
</context>
<context>
    <name>SheetCommands</name>
    <message>
        <source>The settings shown cannot be put on a sheet.</source>
        <translation>Die angezeigten Einstellungen lassen sich nicht auf ein Einstellblatt bringen.</translation>
    </message>
    <message>
        <source>The setup sheet could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Das Einstellblatt konnte nicht in %1 gespeichert werden:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Printing is not available:<byte value="xd"/>
%1</source>
        <translation>Drucken ist nicht möglich:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Setup sheet saved to %1</source>
        <translation>Einstellblatt gespeichert in %1</translation>
    </message>
</context>
<context>
    <name>SystemReasons</name>
    <message>
        <source>It is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Es ist ein Ordner.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>It is a symbolic link.</source>
        <translation>Es ist eine symbolische Verknüpfung.</translation>
    </message>
    <message>
        <source>It is larger than 64 KiB.</source>
        <translation>Die Datei ist größer als 64 KiB.</translation>
    </message>
    <message>
        <source>It is full and cannot be rotated: %1</source>
        <translation>Die Datei ist voll und kann nicht weitergeschoben werden: %1</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>A value is too large to be saved.</source>
        <translation>Ein Wert ist zu groß, um gespeichert zu werden.</translation>
    </message>
    <message>
        <source>A line is longer than the file may grow.</source>
        <translation>Eine Zeile ist länger, als die Datei werden darf.</translation>
    </message>
    <message>
        <source>APPDATA is not set, so there is no folder for settings.</source>
        <translation>APPDATA ist nicht gesetzt, daher gibt es keinen Ordner für Einstellungen.</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder for settings.</source>
        <translation>HOME ist nicht gesetzt, daher gibt es keinen Ordner für Einstellungen.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>In the settings file %1, %2 holds a comma outside quotes, so it is no single value.</source>
        <translation>In der Einstellungsdatei %1 enthält %2 ein Komma außerhalb von Anführungszeichen und ist daher kein einzelner Wert.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be set to %2.</source>
        <translation>%1 kann nicht auf %2 eingestellt werden.</translation>
    </message>
    <message>
        <source>The port is not open.</source>
        <translation>Der Port ist nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>TypeTabs</name>
    <message>
        <source>Reverse </source>
        <translation>Rückwärts </translation>
    </message>
    <message>
        <source>Rev./Brake</source>
        <translation>Rückw./Br.</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>How to use Rotaline</source>
        <translation>Bedienung von Rotaline</translation>
    </message>
    <message>
        <source>Connecting the controller</source>
        <translation>Den Regler anschließen</translation>
    </message>
    <message>
        <source>Plug the programming adapter into a USB port and its cable into the controller&apos;s programming socket (for most controllers, the throttle lead), then power the controller as its manual says.
Open File &gt; Serial adapters... (or click the lamp): it lists the serial adapters the system sees, says when none is plugged in and whether your user may open one, and gives your adapter a COM number. The adapter keeps that number when it is plugged in again.
The lamp beside the port list lights when the port opens. When it stays off, the status bar and the lamp&apos;s tooltip say why and how to fix it.</source>
        <translation>Stecken Sie den Programmieradapter in eine USB-Buchse und sein Kabel in die Programmierbuchse des Reglers (bei den meisten Reglern das Gaskabel), dann versorgen Sie den Regler so mit Strom, wie seine Anleitung es sagt.
Öffnen Sie Datei &gt; Serielle Adapter... (oder klicken Sie auf die Lampe): Das Fenster listet die seriellen Adapter, die das System sieht, sagt, wenn keiner eingesteckt ist und ob Ihr Benutzer einen öffnen darf, und gibt Ihrem Adapter eine COM-Nummer. Der Adapter behält diese Nummer, wenn er wieder eingesteckt wird.
Die Lampe neben der Portliste leuchtet, wenn der Port geöffnet ist. Bleibt sie aus, sagen die Statusleiste und der Tooltip der Lampe, warum und wie es sich beheben lässt.</translation>
    </message>
    <message>
        <source>Port, type and model</source>
        <translation>Port, Typ und Modell</translation>
    </message>
    <message>
        <source>Choose the COM number of your adapter in the port list. Then choose the tab of your controller&apos;s type (airplane, helicopter, boat or car) and its model in the list on that tab: choosing the model sends the model&apos;s factory settings to the controller.
Every change of a setting is sent at once and written in the note box. A setting that could not be sent is framed in red with a &quot;!&quot; until File &gt; Send all settings again sends it.</source>
        <translation>Wählen Sie die COM-Nummer Ihres Adapters in der Portliste. Wählen Sie dann die Registerkarte für den Typ Ihres Reglers (Flugzeug, Hubschrauber, Boot oder Auto) und sein Modell in der Liste dieser Registerkarte: Die Auswahl des Modells sendet dessen Werkseinstellungen an den Regler.
Jede Änderung einer Einstellung wird sofort gesendet und im Protokollfeld notiert. Eine Einstellung, die nicht gesendet werden konnte, ist rot mit einem &quot;!&quot; umrahmt, bis Datei &gt; Alle Einstellungen erneut senden sie sendet.</translation>
    </message>
    <message>
        <source>What each setting does</source>
        <translation>Was jede Einstellung bewirkt</translation>
    </message>
    <message>
        <source>Only the settings your controller&apos;s type and model offer can be changed; the others are hidden or greyed. Factory Default sends every factory setting again.</source>
        <translation>Nur die Einstellungen, die Typ und Modell Ihres Reglers bieten, lassen sich ändern; die anderen sind ausgeblendet oder ausgegraut. Standard sendet alle Werkseinstellungen erneut.</translation>
    </message>
    <message>
        <source>Settings files</source>
        <translation>Einstellungsdateien</translation>
    </message>
    <message>
        <source>File &gt; Save... writes the settings shown to a *.esc file, File &gt; Open... loads one and sends its settings to the controller; the File menu lists the last four files. The save dialog starts on the file opened or saved last, and asks before it replaces any other file. The window&apos;s title names that file and marks it with &quot;*&quot; while the settings shown differ from it.</source>
        <translation>Datei &gt; Speichern... schreibt die angezeigten Einstellungen in eine *.esc-Datei, Datei &gt; Öffnen... lädt eine und sendet ihre Einstellungen an den Regler; das Menü Datei listet die letzten vier Dateien. Der Speichern-Dialog beginnt bei der zuletzt geöffneten oder gespeicherten Datei und fragt, bevor er eine andere Datei ersetzt. Der Fenstertitel nennt diese Datei und markiert sie mit &quot;*&quot;, solange die angezeigten Einstellungen von ihr abweichen.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Edit &gt; Undo puts your last change of a setting back and Edit &gt; Redo makes it again; each is sent like a change of your own. Factory Default is one step: Undo sends back every value it replaced. Choosing a model, a tab, a port or loading a file starts the history afresh.</source>
        <translation>Bearbeiten &gt; Rückgängig nimmt Ihre letzte Änderung einer Einstellung zurück und Bearbeiten &gt; Wiederholen macht sie erneut; beides wird wie eine eigene Änderung gesendet. Werkseinstellungen sind ein Schritt: Rückgängig sendet jeden Wert zurück, den sie ersetzt haben. Die Wahl eines Modells, einer Registerkarte, eines Ports oder das Laden einer Datei beginnt den Verlauf neu.</translation>
    </message>
    <message>
        <source>The keyboard</source>
        <translation>Die Tastatur</translation>
    </message>
    <message>
        <source>Tab goes through the window from the top left, row by row; an option group is one stop and the arrow keys choose inside it. The timing bar steps 1 with Left/Right and 5 with Page Up/Page Down.
Ctrl+O opens, Ctrl+S saves, %1 exits, Ctrl+Z undoes and Ctrl+Shift+Z redoes; Alt with a menu&apos;s underlined letter opens that menu.</source>
        <translation>Tab geht von oben links Zeile für Zeile durch das Fenster; eine Optionsgruppe ist ein Halt, und die Pfeiltasten wählen darin. Die Timing-Leiste springt mit Links/Rechts um 1 und mit Bild auf/Bild ab um 5.
Strg+O öffnet, Strg+S speichert, %1 beendet, Strg+Z macht rückgängig und Strg+Shift+Z wiederholt; Alt mit dem unterstrichenen Buchstaben eines Menüs öffnet dieses Menü.</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Strg+Q</translation>
    </message>
    <message>
        <source>Alt+F4</source>
        <translation>Alt+F4</translation>
    </message>
</context>
</TS>
