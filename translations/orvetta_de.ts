<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>orvetta::DesktopPlatform</name>
    <message>
        <source>Sì</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Errore di run-time &apos;%1&apos;:

%2</source>
        <translation>Laufzeitfehler &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Il record lo può azzerare solo un amministratore del computer.</source>
        <translation>Nur ein Administrator des Computers kann den Rekord zurücksetzen.</translation>
    </message>
</context>
<context>
    <name>orvetta::RecordDirectory</name>
    <message>
        <source>orvetta: record in %1, perché %2 non si può usare (%3)</source>
        <translation>orvetta: Rekord in %1, weil %2 nicht verwendbar ist (%3)</translation>
    </message>
</context>
<context>
    <name>orvetta::RecordKeeping</name>
    <message>
        <source>Il record lo possono azzerare solo gli insegnanti e l&apos;amministratore del computer.</source>
        <translation>Nur die Lehrkräfte und der Administrator des Computers können den Rekord zurücksetzen.</translation>
    </message>
</context>
<context>
    <name>orvetta::RecordProblem</name>
    <message>
        <source>la cartella non si conosce</source>
        <translation>der Ordner ist unbekannt</translation>
    </message>
    <message>
        <source>manca il programma del record %1</source>
        <translation>das Rekordprogramm %1 fehlt</translation>
    </message>
    <message>
        <source>non è un file del record</source>
        <translation>ist keine Datei des Rekords</translation>
    </message>
    <message>
        <source>è un collegamento simbolico, non un file</source>
        <translation>ist ein symbolischer Link, keine Datei</translation>
    </message>
    <message>
        <source>manca e non si può creare</source>
        <translation>fehlt und kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>non è un file regolare</source>
        <translation>ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>non appartiene al proprietario e al gruppo del record</source>
        <translation>gehört nicht dem Eigentümer und der Gruppe des Rekords</translation>
    </message>
    <message>
        <source>ha più di un collegamento</source>
        <translation>hat mehr als einen harten Link</translation>
    </message>
    <message>
        <source>è troppo grande per essere un file del record</source>
        <translation>ist zu groß für eine Datei des Rekords</translation>
    </message>
    <message>
        <source>il record si sta azzerando</source>
        <translation>der Rekord wird gerade zurückgesetzt</translation>
    </message>
    <message>
        <source>un&apos;altra partita sta salvando il record da troppo tempo</source>
        <translation>ein anderes Spiel speichert den Rekord schon zu lange</translation>
    </message>
    <message>
        <source>il programma che sta salvando il record è fermo</source>
        <translation>das Programm, das den Rekord speichert, ist angehalten</translation>
    </message>
    <message>
        <source>un altro azzeramento del record è in corso</source>
        <translation>ein anderes Zurücksetzen des Rekords läuft gerade</translation>
    </message>
    <message>
        <source>non è una cartella del solo gruppo del record</source>
        <translation>ist kein Ordner allein der Gruppe des Rekords</translation>
    </message>
    <message>
        <source>un&apos;altra tua partita sta già mettendo da parte un record</source>
        <translation>ein anderes Spiel von dir legt schon einen Rekord zurück</translation>
    </message>
    <message>
        <source>non è un record in attesa</source>
        <translation>ist kein wartender Rekord</translation>
    </message>
    <message>
        <source>il punteggio non è un numero intero da 0 a 32767</source>
        <translation>die Punktzahl ist keine ganze Zahl von 0 bis 32767</translation>
    </message>
    <message>
        <source>il nome è troppo lungo o contiene un byte nullo</source>
        <translation>der Name ist zu lang oder enthält ein Nullbyte</translation>
    </message>
    <message>
        <source>non è una cartella che solo root può modificare</source>
        <translation>ist kein Ordner, den nur root ändern darf</translation>
    </message>
    <message>
        <source>il nome non si può leggere</source>
        <translation>der Name kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>manca (lo prepara il programma d&apos;installazione)</source>
        <translation>fehlt (das Installationsprogramm legt sie an)</translation>
    </message>
    <message>
        <source>la cartella non esiste e non si può creare</source>
        <translation>der Ordner existiert nicht und kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>ist kein Ordner</translation>
    </message>
    <message>
        <source>risposta inattesa (uscita %1)</source>
        <translation>unerwartete Antwort (Exit-Status %1)</translation>
    </message>
    <message>
        <source>il programma del record non ha finito</source>
        <translation>das Rekordprogramm ist nicht fertig geworden</translation>
    </message>
    <message>
        <source>è aperto in un altro programma</source>
        <translation>ist in einem anderen Programm geöffnet</translation>
    </message>
    <message>
        <source>non è il percorso completo di una cartella (RecordFolder)</source>
        <translation>ist nicht der vollständige Pfad eines Ordners (RecordFolder)</translation>
    </message>
    <message>
        <source>la cartella del record non si raggiunge</source>
        <translation>der Ordner des Rekords ist nicht erreichbar</translation>
    </message>
</context>
<context>
    <name>orvetta::ResetForm</name>
    <message>
        <source>Il record non si può leggere ora.</source>
        <translation>Der Rekord kann jetzt nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Il record è vuoto.</source>
        <translation>Der Rekord ist leer.</translation>
    </message>
    <message>
        <source>Vuoi azzerare il record per tutti i giocatori di questo computer?</source>
        <translation>Willst du den Rekord für alle Spieler dieses Computers zurücksetzen?</translation>
    </message>
    <message>
        <source>azzeramento</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>azzeramento: terminato il processo %1 di %2</source>
        <translation>Zurücksetzen: Prozess %1 von %2 beendet</translation>
    </message>
    <message>
        <source>azzeramento non riuscito: %1</source>
        <translation>Zurücksetzen fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Il record è stato azzerato.</source>
        <translation>Der Rekord wurde zurückgesetzt.</translation>
    </message>
    <message>
        <source>Il record non è stato azzerato.
%1: %2</source>
        <translation>Der Rekord wurde nicht zurückgesetzt.
%1: %2</translation>
    </message>
    <message>
        <source>È stato terminato il processo %1 di %2, che teneva bloccato il record.</source>
        <translation>Der Prozess %1 von %2, der den Rekord gesperrt hielt, wurde beendet.</translation>
    </message>
    <message>
        <source>Il processo %1 di %2 tiene bloccato il record: per tutti il record è già vuoto, e sarà scritto appena lo lascia.</source>
        <translation>Der Prozess %1 von %2 hält den Rekord gesperrt: für alle ist der Rekord schon leer, und er wird geschrieben, sobald der Prozess ihn freigibt.</translation>
    </message>
    <message>
        <source>Il record è di %1 punti, a nome %2.</source>
        <translation>Der Rekord liegt bei %1 Punkten, aufgestellt von %2.</translation>
    </message>
    <message>
        <source>nuovo record</source>
        <translation>neuer Rekord</translation>
    </message>
    <message>
        <source>nuovo record, registrato più tardi</source>
        <translation>neuer Rekord, später eingetragen</translation>
    </message>
    <message>
        <source>azzeramento in attesa</source>
        <translation>Zurücksetzen, wartet</translation>
    </message>
</context>
<context>
    <name>orvetta::ResetWindow</name>
    <message>
        <source>Azzera il record</source>
        <translation>Rekord zurücksetzen</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Azzera il record di Orvetta</source>
        <translation>Orvetta-Rekord zurücksetzen</translation>
    </message>
    <message>
        <source>Quando</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Chi</source>
        <translation>Wer</translation>
    </message>
    <message>
        <source>Cosa</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>Punti</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>orvetta::Tavola</name>
    <message>
        <source>Fai attenzione</source>
        <translation>Pass auf</translation>
    </message>
    <message>
        <source>Sei mitico</source>
        <translation>Du bist spitze</translation>
    </message>
    <message>
        <source>Sei  un campione</source>
        <translation>Du bist ein Champion</translation>
    </message>
    <message>
        <source>Sei veramente un asso</source>
        <translation>Du bist wirklich ein Ass</translation>
    </message>
    <message>
        <source>Tempo scaduto</source>
        <translation>Die Zeit ist um</translation>
    </message>
    <message>
        <source>%1 devi solo ripassare le caratteristiche dei vari tipi di frazioni e cliccare sul pulsante corrispondente.  Ciao</source>
        <translation>%1, du musst dir nur die Merkmale der verschiedenen Arten von Brüchen ins Gedächtnis rufen und auf den passenden Knopf klicken. Tschüs</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>FANGEN WIR EIN NEUES SPIEL AN?</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>NEUES SPIEL BEGINNEN</translation>
    </message>
    <message>
        <source>Vuoi veramente lasciarmi  ?</source>
        <translation>Willst du mich wirklich verlassen?</translation>
    </message>
    <message>
        <source>Uscire dal programma</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Tipo non corrispondente</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Il tuo record sarà registrato appena il computer lo permette.</source>
        <translation>Dein Rekord wird gespeichert, sobald der Computer es zulässt.</translation>
    </message>
    <message>
        <source>Ok ho registrato il tuo record, C A M P I O N E&quot;</source>
        <translation>OK, ich habe deinen Rekord gespeichert, C H A M P I O N</translation>
    </message>
    <message>
        <source>Impossibile trovare il percorso
%1</source>
        <translation>Pfad nicht gefunden
%1</translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>Wie heißt du?</translation>
    </message>
    <message>
        <source> %1 vediamo se sei un vero campione  </source>
        <translation>%1, mal sehen, ob du ein echter Champion bist</translation>
    </message>
    <message>
        <source>Errore di accesso al percorso/file
%1: %2</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei
%1: %2</translation>
    </message>
    <message>
        <source>Il tuo record di %1 punti, a nome %2, non è stato registrato: il record non si può scrivere ora.

%3: %4</source>
        <translation>Dein Rekord von %1 Punkten auf den Namen %2 wurde nicht gespeichert: Der Rekord kann gerade nicht geschrieben werden.

%3: %4</translation>
    </message>
    <message>
        <source>Il record non si può leggere ora: si gioca senza vederlo.

%1: %2</source>
        <translation>Der Rekord kann gerade nicht gelesen werden: Du spielst, ohne ihn zu sehen.

%1: %2</translation>
    </message>
</context>
<context>
    <name>orvetta::TavolaWindow</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Il record  è di </source>
        <translation>Rekord von </translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>mit</translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>Herausforderer</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Cliccami</source>
        <translation>Klick mich an</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <translation>Das ist deine Punktzahl. Auf zum Rekord</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Allora ti arrendi?</source>
        <translation>Gibst du etwa auf?</translation>
    </message>
    <message>
        <source>&amp;Nuovo calcolo</source>
        <translation>&amp;Neue Aufgabe</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Inserisci il numeratore  premi il tasto  Invio</source>
        <translation>Gib den Zähler ein und drücke die Eingabetaste</translation>
    </message>
    <message>
        <source>Inserisci il denominatore e  premi il tasto  Invio</source>
        <translation>Gib den Nenner ein und drücke die Eingabetaste</translation>
    </message>
    <message>
        <source>Frazione impropria</source>
        <translation>Unechter Bruch</translation>
    </message>
    <message>
        <source>Frazione propria</source>
        <translation>Echter Bruch</translation>
    </message>
    <message>
        <source>Frazione apparente</source>
        <translation>Scheinbruch</translation>
    </message>
    <message>
        <source>Crediti</source>
        <translation>Mitwirkende</translation>
    </message>
    <message>
        <source>Orvetta 1.0, programma didattico</source>
        <translation>Orvetta 1.0, ein Lernprogramm</translation>
    </message>
    <message>
        <source>NUOVA GARA</source>
        <translation>NEUES SPIEL</translation>
    </message>
    <message>
        <source>AIUTO</source>
        <translation>HILFE</translation>
    </message>
</context>
</TS>
