<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>orvetta::DesktopPlatform</name>
    <message>
        <source>Sì</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Errore di run-time &apos;%1&apos;:

%2</source>
        <translation>Error en tiempo de ejecución &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Il record lo può azzerare solo un amministratore del computer.</source>
        <translation>Solo un administrador del ordenador puede poner a cero el récord.</translation>
    </message>
</context>
<context>
    <name>orvetta::RecordDirectory</name>
    <message>
        <source>orvetta: record in %1, perché %2 non si può usare (%3)</source>
        <translation>orvetta: récord en %1, porque %2 no se puede usar (%3)</translation>
    </message>
</context>
<context>
    <name>orvetta::RecordKeeping</name>
    <message>
        <source>Il record lo possono azzerare solo gli insegnanti e l&apos;amministratore del computer.</source>
        <translation>Solo los profesores y el administrador del ordenador pueden poner a cero el récord.</translation>
    </message>
</context>
<context>
    <name>orvetta::RecordProblem</name>
    <message>
        <source>la cartella non si conosce</source>
        <translation>la carpeta es desconocida</translation>
    </message>
    <message>
        <source>manca il programma del record %1</source>
        <translation>falta el programa del récord %1</translation>
    </message>
    <message>
        <source>non è un file del record</source>
        <translation>no es un archivo del récord</translation>
    </message>
    <message>
        <source>è un collegamento simbolico, non un file</source>
        <translation>es un enlace simbólico, no un archivo</translation>
    </message>
    <message>
        <source>manca e non si può creare</source>
        <translation>falta y no se puede crear</translation>
    </message>
    <message>
        <source>non è un file regolare</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>non appartiene al proprietario e al gruppo del record</source>
        <translation>no pertenece al propietario y al grupo del récord</translation>
    </message>
    <message>
        <source>ha più di un collegamento</source>
        <translation>tiene más de un enlace</translation>
    </message>
    <message>
        <source>è troppo grande per essere un file del record</source>
        <translation>es demasiado grande para ser un archivo del récord</translation>
    </message>
    <message>
        <source>il record si sta azzerando</source>
        <translation>el récord se está poniendo a cero</translation>
    </message>
    <message>
        <source>un&apos;altra partita sta salvando il record da troppo tempo</source>
        <translation>otra partida lleva demasiado tiempo guardando el récord</translation>
    </message>
    <message>
        <source>il programma che sta salvando il record è fermo</source>
        <translation>el programa que guarda el récord está detenido</translation>
    </message>
    <message>
        <source>un altro azzeramento del record è in corso</source>
        <translation>hay otra puesta a cero del récord en curso</translation>
    </message>
    <message>
        <source>non è una cartella del solo gruppo del record</source>
        <translation>no es una carpeta solo del grupo del récord</translation>
    </message>
    <message>
        <source>un&apos;altra tua partita sta già mettendo da parte un record</source>
        <translation>otra partida tuya ya está apartando un récord</translation>
    </message>
    <message>
        <source>non è un record in attesa</source>
        <translation>no es un récord en espera</translation>
    </message>
    <message>
        <source>il punteggio non è un numero intero da 0 a 32767</source>
        <translation>la puntuación no es un número entero de 0 a 32767</translation>
    </message>
    <message>
        <source>il nome è troppo lungo o contiene un byte nullo</source>
        <translation>el nombre es demasiado largo o contiene un byte nulo</translation>
    </message>
    <message>
        <source>non è una cartella che solo root può modificare</source>
        <translation>no es una carpeta que solo root pueda modificar</translation>
    </message>
    <message>
        <source>il nome non si può leggere</source>
        <translation>no se puede leer el nombre</translation>
    </message>
    <message>
        <source>manca (lo prepara il programma d&apos;installazione)</source>
        <translation>falta (lo crea el programa de instalación)</translation>
    </message>
    <message>
        <source>la cartella non esiste e non si può creare</source>
        <translation>la carpeta no existe y no se puede crear</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>risposta inattesa (uscita %1)</source>
        <translation>respuesta inesperada (estado de salida %1)</translation>
    </message>
    <message>
        <source>il programma del record non ha finito</source>
        <translation>el programa del récord no terminó</translation>
    </message>
    <message>
        <source>è aperto in un altro programma</source>
        <translation>está abierto en otro programa</translation>
    </message>
    <message>
        <source>non è il percorso completo di una cartella (RecordFolder)</source>
        <translation>no es la ruta completa de una carpeta (RecordFolder)</translation>
    </message>
    <message>
        <source>la cartella del record non si raggiunge</source>
        <translation>no se puede acceder a la carpeta del récord</translation>
    </message>
</context>
<context>
    <name>orvetta::ResetForm</name>
    <message>
        <source>Il record non si può leggere ora.</source>
        <translation>El récord no se puede leer ahora.</translation>
    </message>
    <message>
        <source>Il record è vuoto.</source>
        <translation>El récord está vacío.</translation>
    </message>
    <message>
        <source>Vuoi azzerare il record per tutti i giocatori di questo computer?</source>
        <translation>¿Quieres poner a cero el récord para todos los jugadores de este ordenador?</translation>
    </message>
    <message>
        <source>azzeramento</source>
        <translation>puesta a cero</translation>
    </message>
    <message>
        <source>azzeramento: terminato il processo %1 di %2</source>
        <translation>puesta a cero: terminado el proceso %1 de %2</translation>
    </message>
    <message>
        <source>azzeramento non riuscito: %1</source>
        <translation>puesta a cero fallida: %1</translation>
    </message>
    <message>
        <source>Il record è stato azzerato.</source>
        <translation>El récord se ha puesto a cero.</translation>
    </message>
    <message>
        <source>Il record non è stato azzerato.
%1: %2</source>
        <translation>El récord no se ha puesto a cero.
%1: %2</translation>
    </message>
    <message>
        <source>È stato terminato il processo %1 di %2, che teneva bloccato il record.</source>
        <translation>Se ha terminado el proceso %1 de %2, que mantenía bloqueado el récord.</translation>
    </message>
    <message>
        <source>Il processo %1 di %2 tiene bloccato il record: per tutti il record è già vuoto, e sarà scritto appena lo lascia.</source>
        <translation>El proceso %1 de %2 mantiene bloqueado el récord: para todos el récord ya está vacío, y se escribirá en cuanto lo libere.</translation>
    </message>
    <message>
        <source>Il record è di %1 punti, a nome %2.</source>
        <translation>El récord es de %1 puntos, a nombre de %2.</translation>
    </message>
    <message>
        <source>nuovo record</source>
        <translation>nuevo récord</translation>
    </message>
    <message>
        <source>nuovo record, registrato più tardi</source>
        <translation>nuevo récord, registrado más tarde</translation>
    </message>
    <message>
        <source>azzeramento in attesa</source>
        <translation>puesta a cero en espera</translation>
    </message>
</context>
<context>
    <name>orvetta::ResetWindow</name>
    <message>
        <source>Azzera il record</source>
        <translation>Poner a cero el récord</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Azzera il record di Orvetta</source>
        <translation>Poner a cero el récord de Orvetta</translation>
    </message>
    <message>
        <source>Quando</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Chi</source>
        <translation>Quién</translation>
    </message>
    <message>
        <source>Cosa</source>
        <translation>Qué</translation>
    </message>
    <message>
        <source>Punti</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nombre</translation>
    </message>
</context>
<context>
    <name>orvetta::Tavola</name>
    <message>
        <source>Fai attenzione</source>
        <translation>Presta atención</translation>
    </message>
    <message>
        <source>Sei mitico</source>
        <translation>Eres genial</translation>
    </message>
    <message>
        <source>Sei  un campione</source>
        <translation>Eres un campeón</translation>
    </message>
    <message>
        <source>Sei veramente un asso</source>
        <translation>Eres un verdadero as</translation>
    </message>
    <message>
        <source>Tempo scaduto</source>
        <translation>Se acabó el tiempo</translation>
    </message>
    <message>
        <source>%1 devi solo ripassare le caratteristiche dei vari tipi di frazioni e cliccare sul pulsante corrispondente.  Ciao</source>
        <translation>%1, solo tienes que repasar las características de los distintos tipos de fracciones y hacer clic en el botón correspondiente. ¡Hasta luego!</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>¿EMPEZAMOS UNA NUEVA PARTIDA?</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>EMPEZAR UNA NUEVA PARTIDA</translation>
    </message>
    <message>
        <source>Vuoi veramente lasciarmi  ?</source>
        <translation>¿De verdad quieres dejarme?</translation>
    </message>
    <message>
        <source>Uscire dal programma</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Tipo non corrispondente</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Il tuo record sarà registrato appena il computer lo permette.</source>
        <translation>Tu récord se guardará en cuanto el ordenador lo permita.</translation>
    </message>
    <message>
        <source>Ok ho registrato il tuo record, C A M P I O N E&quot;</source>
        <translation>Vale, he guardado tu récord, C A M P E Ó N</translation>
    </message>
    <message>
        <source>Impossibile trovare il percorso
%1</source>
        <translation>No se encontró la ruta
%1</translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>¿Cómo te llamas?</translation>
    </message>
    <message>
        <source> %1 vediamo se sei un vero campione  </source>
        <translation>%1, vamos a ver si eres un auténtico campeón</translation>
    </message>
    <message>
        <source>Errore di accesso al percorso/file
%1: %2</source>
        <translation>Error de acceso a la ruta o al archivo
%1: %2</translation>
    </message>
    <message>
        <source>Il tuo record di %1 punti, a nome %2, non è stato registrato: il record non si può scrivere ora.

%3: %4</source>
        <translation>Tu récord de %1 puntos, a nombre de %2, no se ha guardado: ahora no se puede escribir el récord.

%3: %4</translation>
    </message>
    <message>
        <source>Il record non si può leggere ora: si gioca senza vederlo.

%1: %2</source>
        <translation>Ahora no se puede leer el récord: juegas sin verlo.

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
        <translation>Récord de </translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>con</translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>Aspirante</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Incorrectas</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <source>Cliccami</source>
        <translation>Haz clic aquí</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <translation>Esta es tu puntuación. A por el récord</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Allora ti arrendi?</source>
        <translation>¿Entonces te rindes?</translation>
    </message>
    <message>
        <source>&amp;Nuovo calcolo</source>
        <translation>&amp;Nueva cuenta</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Inserisci il numeratore  premi il tasto  Invio</source>
        <translation>Escribe el numerador y pulsa Intro</translation>
    </message>
    <message>
        <source>Inserisci il denominatore e  premi il tasto  Invio</source>
        <translation>Escribe el denominador y pulsa Intro</translation>
    </message>
    <message>
        <source>Frazione impropria</source>
        <translation>Fracción impropia</translation>
    </message>
    <message>
        <source>Frazione propria</source>
        <translation>Fracción propia</translation>
    </message>
    <message>
        <source>Frazione apparente</source>
        <translation>Fracción aparente</translation>
    </message>
    <message>
        <source>Crediti</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Orvetta 1.0, programma didattico</source>
        <translation>Orvetta 1.0, programa educativo</translation>
    </message>
    <message>
        <source>NUOVA GARA</source>
        <translation>NUEVA PARTIDA</translation>
    </message>
    <message>
        <source>AIUTO</source>
        <translation>AYUDA</translation>
    </message>
</context>
</TS>
