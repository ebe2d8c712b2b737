@echo off
rem Abre la consola de servicios del sistema y termina sin esperar.
start "" "%SystemRoot%\System32\services.msc"
