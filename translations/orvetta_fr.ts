<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>orvetta::DesktopPlatform</name>
    <message>
        <source>Sì</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Errore di run-time &apos;%1&apos;:

%2</source>
        <translation>Erreur d&apos;exécution &apos;%1&apos;&#xa0;:

%2</translation>
    </message>
    <message>
        <source>Il record lo può azzerare solo un amministratore del computer.</source>
        <translation>Seul un administrateur de l&apos;ordinateur peut remettre le record à zéro.</translation>
    </message>
</context>
<context>
    <name>orvetta::RecordDirectory</name>
    <message>
        <source>orvetta: record in %1, perché %2 non si può usare (%3)</source>
        <translation>orvetta: record dans %1, car %2 est inutilisable (%3)</translation>
    </message>
</context>
<context>
    <name>orvetta::RecordKeeping</name>
    <message>
        <source>Il record lo possono azzerare solo gli insegnanti e l&apos;amministratore del computer.</source>
        <translation>Seuls les enseignants et l&apos;administrateur de l&apos;ordinateur peuvent remettre le record à zéro.</translation>
    </message>
</context>
<context>
    <name>orvetta::RecordProblem</name>
    <message>
        <source>la cartella non si conosce</source>
        <translation>le dossier est inconnu</translation>
    </message>
    <message>
        <source>manca il programma del record %1</source>
        <translation>le programme du record %1 est absent</translation>
    </message>
    <message>
        <source>non è un file del record</source>
        <translation>n&apos;est pas un fichier du record</translation>
    </message>
    <message>
        <source>è un collegamento simbolico, non un file</source>
        <translation>est un lien symbolique, pas un fichier</translation>
    </message>
    <message>
        <source>manca e non si può creare</source>
        <translation>est absent et ne peut pas être créé</translation>
    </message>
    <message>
        <source>non è un file regolare</source>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>non appartiene al proprietario e al gruppo del record</source>
        <translation>n&apos;appartient pas au propriétaire et au groupe du record</translation>
    </message>
    <message>
        <source>ha più di un collegamento</source>
        <translation>a plus d&apos;un lien</translation>
    </message>
    <message>
        <source>è troppo grande per essere un file del record</source>
        <translation>est trop gros pour être un fichier du record</translation>
    </message>
    <message>
        <source>il record si sta azzerando</source>
        <translation>le record est en cours de remise à zéro</translation>
    </message>
    <message>
        <source>un&apos;altra partita sta salvando il record da troppo tempo</source>
        <translation>une autre partie enregistre le record depuis trop longtemps</translation>
    </message>
    <message>
        <source>il programma che sta salvando il record è fermo</source>
        <translation>le programme qui enregistre le record est arrêté</translation>
    </message>
    <message>
        <source>un altro azzeramento del record è in corso</source>
        <translation>une autre remise à zéro du record est en cours</translation>
    </message>
    <message>
        <source>non è una cartella del solo gruppo del record</source>
        <translation>n&apos;est pas un dossier du seul groupe du record</translation>
    </message>
    <message>
        <source>un&apos;altra tua partita sta già mettendo da parte un record</source>
        <translation>une autre de tes parties met déjà un record de côté</translation>
    </message>
    <message>
        <source>non è un record in attesa</source>
        <translation>n&apos;est pas un record en attente</translation>
    </message>
    <message>
        <source>il punteggio non è un numero intero da 0 a 32767</source>
        <translation>le score n&apos;est pas un nombre entier de 0 à 32767</translation>
    </message>
    <message>
        <source>il nome è troppo lungo o contiene un byte nullo</source>
        <translation>le nom est trop long ou contient un octet nul</translation>
    </message>
    <message>
        <source>non è una cartella che solo root può modificare</source>
        <translation>n&apos;est pas un dossier que seul root peut modifier</translation>
    </message>
    <message>
        <source>il nome non si può leggere</source>
        <translation>le nom ne peut pas être lu</translation>
    </message>
    <message>
        <source>manca (lo prepara il programma d&apos;installazione)</source>
        <translation>est absent (le programme d&apos;installation le crée)</translation>
    </message>
    <message>
        <source>la cartella non esiste e non si può creare</source>
        <translation>le dossier n&apos;existe pas et ne peut pas être créé</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>risposta inattesa (uscita %1)</source>
        <translation>réponse inattendue (code de sortie %1)</translation>
    </message>
    <message>
        <source>il programma del record non ha finito</source>
        <translation>le programme du record n&apos;a pas terminé</translation>
    </message>
    <message>
        <source>è aperto in un altro programma</source>
        <translation>est ouvert dans un autre programme</translation>
    </message>
    <message>
        <source>non è il percorso completo di una cartella (RecordFolder)</source>
        <translation>n&apos;est pas le chemin complet d&apos;un dossier (RecordFolder)</translation>
    </message>
    <message>
        <source>la cartella del record non si raggiunge</source>
        <translation>le dossier du record est injoignable</translation>
    </message>
</context>
<context>
    <name>orvetta::ResetForm</name>
    <message>
        <source>Il record non si può leggere ora.</source>
        <translation>Le record ne peut pas être lu maintenant.</translation>
    </message>
    <message>
        <source>Il record è vuoto.</source>
        <translation>Le record est vide.</translation>
    </message>
    <message>
        <source>Vuoi azzerare il record per tutti i giocatori di questo computer?</source>
        <translation>Tu veux remettre le record à zéro pour tous les joueurs de cet ordinateur&#xa0;?</translation>
    </message>
    <message>
        <source>azzeramento</source>
        <translation>remise à zéro</translation>
    </message>
    <message>
        <source>azzeramento: terminato il processo %1 di %2</source>
        <translation>remise à zéro&#xa0;: processus %1 de %2 arrêté</translation>
    </message>
    <message>
        <source>azzeramento non riuscito: %1</source>
        <translation>échec de la remise à zéro&#xa0;: %1</translation>
    </message>
    <message>
        <source>Il record è stato azzerato.</source>
        <translation>Le record a été remis à zéro.</translation>
    </message>
    <message>
        <source>Il record non è stato azzerato.
%1: %2</source>
        <translation>Le record n&apos;a pas été remis à zéro.
%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>È stato terminato il processo %1 di %2, che teneva bloccato il record.</source>
        <translation>Le processus %1 de %2, qui bloquait le record, a été arrêté.</translation>
    </message>
    <message>
        <source>Il processo %1 di %2 tiene bloccato il record: per tutti il record è già vuoto, e sarà scritto appena lo lascia.</source>
        <translation>Le processus %1 de %2 bloque le record&#xa0;: pour tous, le record est déjà vide, et il sera écrit dès que ce processus le libérera.</translation>
    </message>
    <message>
        <source>Il record è di %1 punti, a nome %2.</source>
        <translation>Le record est de %1 points, au nom de %2.</translation>
    </message>
    <message>
        <source>nuovo record</source>
        <translation>nouveau record</translation>
    </message>
    <message>
        <source>nuovo record, registrato più tardi</source>
        <translation>nouveau record, enregistré plus tard</translation>
    </message>
    <message>
        <source>azzeramento in attesa</source>
        <translation>remise à zéro en attente</translation>
    </message>
</context>
<context>
    <name>orvetta::ResetWindow</name>
    <message>
        <source>Azzera il record</source>
        <translation>Remettre le record à zéro</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Azzera il record di Orvetta</source>
        <translation>Remettre à zéro le record d&apos;Orvetta</translation>
    </message>
    <message>
        <source>Quando</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Chi</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>Cosa</source>
        <translation>Quoi</translation>
    </message>
    <message>
        <source>Punti</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>orvetta::Tavola</name>
    <message>
        <source>Fai attenzione</source>
        <translation>Fais attention</translation>
    </message>
    <message>
        <source>Sei mitico</source>
        <translation>Tu assures</translation>
    </message>
    <message>
        <source>Sei  un campione</source>
        <translation>Tu es un champion</translation>
    </message>
    <message>
        <source>Sei veramente un asso</source>
        <translation>Tu es vraiment un as</translation>
    </message>
    <message>
        <source>Tempo scaduto</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>%1 devi solo ripassare le caratteristiche dei vari tipi di frazioni e cliccare sul pulsante corrispondente.  Ciao</source>
        <translation>%1, il te suffit de revoir les caractéristiques des différents types de fractions et de cliquer sur le bouton correspondant. Salut</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>ON COMMENCE UNE NOUVELLE PARTIE&#xa0;?</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>COMMENCER UNE NOUVELLE PARTIE</translation>
    </message>
    <message>
        <source>Vuoi veramente lasciarmi  ?</source>
        <translation>Tu veux vraiment me quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Uscire dal programma</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Tipo non corrispondente</source>
        <translation>Type incompatible</translation>
    </message>
    <message>
        <source>Il tuo record sarà registrato appena il computer lo permette.</source>
        <translation>Ton record sera enregistré dès que l&apos;ordinateur le permettra.</translation>
    </message>
    <message>
        <source>Ok ho registrato il tuo record, C A M P I O N E&quot;</source>
        <translation>OK, j&apos;ai enregistré ton record, C H A M P I O N</translation>
    </message>
    <message>
        <source>Impossibile trovare il percorso
%1</source>
        <translation>Chemin introuvable
%1</translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>Comment tu t&apos;appelles&#xa0;?</translation>
    </message>
    <message>
        <source> %1 vediamo se sei un vero campione  </source>
        <translation>%1, voyons si tu es un vrai champion</translation>
    </message>
    <message>
        <source>Errore di accesso al percorso/file
%1: %2</source>
        <translation>Erreur d&apos;accès au chemin ou au fichier
%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Il tuo record di %1 punti, a nome %2, non è stato registrato: il record non si può scrivere ora.

%3: %4</source>
        <translation>Ton record de %1 points, au nom de %2, n&apos;a pas été enregistré&#xa0;: le record ne peut pas être écrit maintenant.

%3&#xa0;: %4</translation>
    </message>
    <message>
        <source>Il record non si può leggere ora: si gioca senza vederlo.

%1: %2</source>
        <translation>Le record ne peut pas être lu maintenant&#xa0;: tu joues sans le voir.

%1&#xa0;: %2</translation>
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
        <translation>Record de </translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>avec</translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>Challenger</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Fausses</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Cliccami</source>
        <translation>Clique-moi</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <translation>Voici ton score. À toi le record</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Allora ti arrendi?</source>
        <translation>Alors, tu abandonnes&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Nuovo calcolo</source>
        <translation>&amp;Nouveau calcul</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>C&apos;est parti</translation>
    </message>
    <message>
        <source>Inserisci il numeratore  premi il tasto  Invio</source>
        <translation>Tape le numérateur et appuie sur Entrée</translation>
    </message>
    <message>
        <source>Inserisci il denominatore e  premi il tasto  Invio</source>
        <translation>Tape le dénominateur et appuie sur Entrée</translation>
    </message>
    <message>
        <source>Frazione impropria</source>
        <translation>Fraction impropre</translation>
    </message>
    <message>
        <source>Frazione propria</source>
        <translation>Fraction propre</translation>
    </message>
    <message>
        <source>Frazione apparente</source>
        <translation>Fraction apparente</translation>
    </message>
    <message>
        <source>Crediti</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Orvetta 1.0, programma didattico</source>
        <translation>Orvetta 1.0, logiciel éducatif</translation>
    </message>
    <message>
        <source>NUOVA GARA</source>
        <translation>NOUVELLE PARTIE</translation>
    </message>
    <message>
        <source>AIUTO</source>
        <translation>AIDE</translation>
    </message>
</context>
</TS>
