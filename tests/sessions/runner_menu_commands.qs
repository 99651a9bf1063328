# The file commands of an unchanged calculation ask nothing; their file dialogs find no queued file and
# are cancelled. The about box ends with the queued answer, then by its close box.
start
command new
command open
command save
command saveas
answer 1
command about
command about
