@echo off
rem Revisa y repara la integridad de Windows 7 a 10 con las herramientas del
rem propio sistema: DISM (Windows 8 y posteriores) y el Comprobador de archivos
rem de sistema (sfc). Los textos salen en la consola en la p gina de c¢digos 850.
setlocal
title SpeeDRaiL - revisi¢n y reparaci¢n de Windows 7-10
echo.
echo  SpeeDRaiL - revisi¢n y reparaci¢n de la integridad de Windows 7-10
echo  ===================================================================
echo.

rem Cada herramienta se nombra con su ruta completa: cmd busca primero en la
rem carpeta de trabajo, y ah¡ cualquiera puede dejar un fltmc.exe o un sfc.exe.
rem Un cmd de 32 bits en Windows de 64 bits no ve System32 de 64 bits: ah¡ sfc
rem no funciona. Sysnative lleva a la carpeta real desde un proceso de 32 bits.
set "TOOLS=%SystemRoot%\System32"
if exist "%SystemRoot%\Sysnative\sfc.exe" set "TOOLS=%SystemRoot%\Sysnative"

rem fltmc s¢lo responde a un administrador. No se usa "net session", que falla
rem tambi‚n como administrador si el servicio Servidor est  detenido.
echo  Comprobando permisos de administrador...
"%TOOLS%\fltmc.exe" >nul 2>&1
if errorlevel 1 goto no_admin
echo  Correcto: se est  ejecutando como administrador.
echo.

rem "ver" escribe p. ej. "Microsoft Windows [Versi¢n 6.1.7601]": el cuarto y el
rem quinto trozo son la versi¢n mayor y la menor. Windows 8 es la 6.2 y
rem Windows 10 la 10.0 (Windows 11 dice 10.0 y recibe los mismos dos pasos).
set MAJOR=0
set MINOR=0
for /f "tokens=4,5 delims=. " %%a in ('ver') do (
    set MAJOR=%%a
    set MINOR=%%b
)
echo  Versi¢n de Windows detectada: %MAJOR%.%MINOR%
echo.

set STEPS=1
if %MAJOR% GEQ 10 set STEPS=2
if %MAJOR% EQU 6 if %MINOR% GEQ 2 set STEPS=2
if %STEPS% EQU 1 goto windows7

rem DISM va primero: repara el almac‚n de componentes del que sfc toma las
rem copias buenas de los archivos da¤ados.
echo  Paso 1 de 2: reparando la imagen de Windows con DISM
echo  /RestoreHealth. Puede tardar bastante y necesitar Windows Update...
echo.
"%TOOLS%\Dism.exe" /Online /Cleanup-Image /RestoreHealth
set RESULT=%errorlevel%
echo.
if "%RESULT%"=="0" (
    echo  Resultado de DISM: correcto, la imagen de Windows est  en buen estado.
) else (
    echo  Resultado de DISM: error %RESULT%. Vea el mensaje anterior y el registro
    echo  %SystemRoot%\Logs\DISM\dism.log
)
echo.
goto sfc

:windows7
echo  Windows 7: DISM no tiene la opci¢n /RestoreHealth, s¢lo se usar  sfc.
echo.

:sfc
echo  Paso %STEPS% de %STEPS%: comprobando y reparando los archivos protegidos
echo  del sistema con sfc /scannow. Puede tardar varios minutos...
echo.
"%TOOLS%\sfc.exe" /scannow
set RESULT=%errorlevel%
echo.
if "%RESULT%"=="0" (
    echo  Resultado de sfc: terminado. Lea arriba si encontr¢ o repar¢ archivos.
) else (
    echo  Resultado de sfc: error %RESULT%. Vea el mensaje anterior y el registro
    echo  %SystemRoot%\Logs\CBS\CBS.log
)
echo.
echo  Revisi¢n terminada. Si se ha reparado alg£n archivo, reinicie el equipo.
echo.
pause
exit /b %RESULT%

:no_admin
echo.
echo  ERROR: este script necesita permisos de administrador.
echo  Haga clic con el bot¢n derecho sobre fix_W7-10.cmd, elija
echo  "Ejecutar como administrador" y vuelva a intentarlo.
echo.
pause
exit /b 1
