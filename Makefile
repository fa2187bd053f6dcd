# Shortcuts for the two commands of the README.
.PHONY: run test
run:
	bash tools/run.sh
test:
	bash tools/test.sh
