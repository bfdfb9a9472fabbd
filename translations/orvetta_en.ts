<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>orvetta::DesktopPlatform</name>
    <message>
        <source>Sì</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Errore di run-time &apos;%1&apos;:

%2</source>
        <translation>Run-time error &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Il record lo può azzerare solo un amministratore del computer.</source>
        <translation>Only an administrator of this computer can reset the record.</translation>
    </message>
</context>
<context>
    <name>orvetta::RecordDirectory</name>
    <message>
        <source>orvetta: record in %1, perché %2 non si può usare (%3)</source>
        <translation>orvetta: record in %1, because %2 cannot be used (%3)</translation>
    </message>
</context>
<context>
    <name>orvetta::RecordKeeping</name>
    <message>
        <source>Il record lo possono azzerare solo gli insegnanti e l&apos;amministratore del computer.</source>
        <translation>Only the teachers and the computer&apos;s administrator can reset the record.</translation>
    </message>
</context>
<context>
    <name>orvetta::RecordProblem</name>
    <message>
        <source>la cartella non si conosce</source>
        <translation>the folder is unknown</translation>
    </message>
    <message>
        <source>manca il programma del record %1</source>
        <translation>the record program %1 is missing</translation>
    </message>
    <message>
        <source>non è un file del record</source>
        <translation>is not a file of the record</translation>
    </message>
    <message>
        <source>è un collegamento simbolico, non un file</source>
        <translation>is a symbolic link, not a file</translation>
    </message>
    <message>
        <source>manca e non si può creare</source>
        <translation>is missing and cannot be created</translation>
    </message>
    <message>
        <source>non è un file regolare</source>
        <translation>is not a regular file</translation>
    </message>
    <message>
        <source>non appartiene al proprietario e al gruppo del record</source>
        <translation>does not belong to the record&apos;s owner and group</translation>
    </message>
    <message>
        <source>ha più di un collegamento</source>
        <translation>has more than one link</translation>
    </message>
    <message>
        <source>è troppo grande per essere un file del record</source>
        <translation>is too large to be a file of the record</translation>
    </message>
    <message>
        <source>il record si sta azzerando</source>
        <translation>the record is being reset</translation>
    </message>
    <message>
        <source>un&apos;altra partita sta salvando il record da troppo tempo</source>
        <translation>another game has been saving the record for too long</translation>
    </message>
    <message>
        <source>il programma che sta salvando il record è fermo</source>
        <translation>the program saving the record is stopped</translation>
    </message>
    <message>
        <source>un altro azzeramento del record è in corso</source>
        <translation>another reset of the record is under way</translation>
    </message>
    <message>
        <source>non è una cartella del solo gruppo del record</source>
        <translation>is not a folder of the record&apos;s group alone</translation>
    </message>
    <message>
        <source>un&apos;altra tua partita sta già mettendo da parte un record</source>
        <translation>another game of yours is already putting a record aside</translation>
    </message>
    <message>
        <source>non è un record in attesa</source>
        <translation>is not a waiting record</translation>
    </message>
    <message>
        <source>il punteggio non è un numero intero da 0 a 32767</source>
        <translation>the score is not a whole number from 0 to 32767</translation>
    </message>
    <message>
        <source>il nome è troppo lungo o contiene un byte nullo</source>
        <translation>the name is too long or holds a null byte</translation>
    </message>
    <message>
        <source>non è una cartella che solo root può modificare</source>
        <translation>is not a folder that only root may change</translation>
    </message>
    <message>
        <source>il nome non si può leggere</source>
        <translation>the name cannot be read</translation>
    </message>
    <message>
        <source>manca (lo prepara il programma d&apos;installazione)</source>
        <translation>is missing (the installer makes it)</translation>
    </message>
    <message>
        <source>la cartella non esiste e non si può creare</source>
        <translation>the folder does not exist and cannot be created</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>is not a folder</translation>
    </message>
    <message>
        <source>risposta inattesa (uscita %1)</source>
        <translation>unexpected answer (exit status %1)</translation>
    </message>
    <message>
        <source>il programma del record non ha finito</source>
        <translation>the record program did not finish</translation>
    </message>
    <message>
        <source>è aperto in un altro programma</source>
        <translation>is open in another program</translation>
    </message>
    <message>
        <source>non è il percorso completo di una cartella (RecordFolder)</source>
        <translation>is not the full path of a folder (RecordFolder)</translation>
    </message>
    <message>
        <source>la cartella del record non si raggiunge</source>
        <translation>the record&apos;s folder cannot be reached</translation>
    </message>
</context>
<context>
    <name>orvetta::ResetForm</name>
    <message>
        <source>Il record non si può leggere ora.</source>
        <translation>The record cannot be read now.</translation>
    </message>
    <message>
        <source>Il record è vuoto.</source>
        <translation>The record is empty.</translation>
    </message>
    <message>
        <source>Vuoi azzerare il record per tutti i giocatori di questo computer?</source>
        <translation>Do you want to reset the record for every player of this computer?</translation>
    </message>
    <message>
        <source>azzeramento</source>
        <translation>reset</translation>
    </message>
    <message>
        <source>azzeramento: terminato il processo %1 di %2</source>
        <translation>reset: ended process %1 of %2</translation>
    </message>
    <message>
        <source>azzeramento non riuscito: %1</source>
        <translation>failed reset: %1</translation>
    </message>
    <message>
        <source>Il record è stato azzerato.</source>
        <translation>The record has been reset.</translation>
    </message>
    <message>
        <source>Il record non è stato azzerato.
%1: %2</source>
        <translation>The record has not been reset.
%1: %2</translation>
    </message>
    <message>
        <source>È stato terminato il processo %1 di %2, che teneva bloccato il record.</source>
        <translation>Process %1 of %2, which kept the record locked, has been ended.</translation>
    </message>
    <message>
        <source>Il processo %1 di %2 tiene bloccato il record: per tutti il record è già vuoto, e sarà scritto appena lo lascia.</source>
        <translation>Process %1 of %2 keeps the record locked: for everyone the record is already empty, and it will be written as soon as that process lets go of it.</translation>
    </message>
    <message>
        <source>Il record è di %1 punti, a nome %2.</source>
        <translation>The record is %1 points, held by %2.</translation>
    </message>
    <message>
        <source>nuovo record</source>
        <translation>new record</translation>
    </message>
    <message>
        <source>nuovo record, registrato più tardi</source>
        <translation>new record, written later</translation>
    </message>
    <message>
        <source>azzeramento in attesa</source>
        <translation>reset, waiting</translation>
    </message>
</context>
<context>
    <name>orvetta::ResetWindow</name>
    <message>
        <source>Azzera il record</source>
        <translation>Reset the record</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Azzera il record di Orvetta</source>
        <translation>Reset the Orvetta record</translation>
    </message>
    <message>
        <source>Quando</source>
        <translation>When</translation>
    </message>
    <message>
        <source>Chi</source>
        <translation>Who</translation>
    </message>
    <message>
        <source>Cosa</source>
        <translation>What</translation>
    </message>
    <message>
        <source>Punti</source>
        <translation>Points</translation>
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
        <translation>Be careful</translation>
    </message>
    <message>
        <source>Sei mitico</source>
        <translation>You are brilliant</translation>
    </message>
    <message>
        <source>Sei  un campione</source>
        <translation>You are a champion</translation>
    </message>
    <message>
        <source>Sei veramente un asso</source>
        <translation>You are a real ace</translation>
    </message>
    <message>
        <source>Tempo scaduto</source>
        <translation>Time is up</translation>
    </message>
    <message>
        <source>%1 devi solo ripassare le caratteristiche dei vari tipi di frazioni e cliccare sul pulsante corrispondente.  Ciao</source>
        <translation>%1, just go over what makes each kind of fraction and click the matching button. Bye</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>SHALL WE START A NEW GAME?</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>START A NEW GAME</translation>
    </message>
    <message>
        <source>Vuoi veramente lasciarmi  ?</source>
        <translation>Do you really want to leave me?</translation>
    </message>
    <message>
        <source>Uscire dal programma</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>Tipo non corrispondente</source>
        <translation>Type mismatch</translation>
    </message>
    <message>
        <source>Il tuo record sarà registrato appena il computer lo permette.</source>
        <translation>Your record will be saved as soon as the computer allows it.</translation>
    </message>
    <message>
        <source>Ok ho registrato il tuo record, C A M P I O N E&quot;</source>
        <translation>OK, I have saved your record, C H A M P I O N</translation>
    </message>
    <message>
        <source>Impossibile trovare il percorso
%1</source>
        <translation>Path not found
%1</translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>What is your name?</translation>
    </message>
    <message>
        <source> %1 vediamo se sei un vero campione  </source>
        <translation>%1, let&apos;s see if you are a real champion</translation>
    </message>
    <message>
        <source>Errore di accesso al percorso/file
%1: %2</source>
        <translation>Path/file access error
%1: %2</translation>
    </message>
    <message>
        <source>Il tuo record di %1 punti, a nome %2, non è stato registrato: il record non si può scrivere ora.

%3: %4</source>
        <translation>Your record of %1 points, in the name of %2, has not been saved: the record cannot be written now.

%3: %4</translation>
    </message>
    <message>
        <source>Il record non si può leggere ora: si gioca senza vederlo.

%1: %2</source>
        <translation>The record cannot be read now: you play without seeing it.

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
        <translation>Record: </translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>with</translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>Challenger</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>Time left</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>All answers</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Mistakes</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <translation>Right answers</translation>
    </message>
    <message>
        <source>Cliccami</source>
        <translation>Click me</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <translation>This is your score. Go for the record</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Allora ti arrendi?</source>
        <translation>So you give up?</translation>
    </message>
    <message>
        <source>&amp;Nuovo calcolo</source>
        <translation>&amp;New sum</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Inserisci il numeratore  premi il tasto  Invio</source>
        <translation>Type the numerator and press Enter</translation>
    </message>
    <message>
        <source>Inserisci il denominatore e  premi il tasto  Invio</source>
        <translation>Type the denominator and press Enter</translation>
    </message>
    <message>
        <source>Frazione impropria</source>
        <translation>Improper fraction</translation>
    </message>
    <message>
        <source>Frazione propria</source>
        <translation>Proper fraction</translation>
    </message>
    <message>
        <source>Frazione apparente</source>
        <translation>Apparent fraction</translation>
    </message>
    <message>
        <source>Crediti</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Orvetta 1.0, programma didattico</source>
        <translation>Orvetta 1.0, a learning program</translation>
    </message>
    <message>
        <source>NUOVA GARA</source>
        <translation>NEW GAME</translation>
    </message>
    <message>
        <source>AIUTO</source>
        <translation>HELP</translation>
    </message>
</context>
</TS>
