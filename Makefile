# make run   builds and starts the editor (under Wine on Linux);
#            make run FILE=path opens that job file at start
# make test  builds everything and runs every test
BUILD ?= build

.PHONY: run test setup configure bench fuzz clean

test: setup
	@scripts/run-tests.sh $(BUILD)

run: setup
	@scripts/run-editor.sh $(BUILD) $(if $(FILE),"$(FILE)")

setup:
	@scripts/setup.sh

configure: setup
	@scripts/configure.sh $(BUILD)

bench: configure
	@scripts/run-benchmarks.sh $(BUILD)

fuzz: configure
	@cmake --build $(BUILD)/fuzz
	@scripts/run-fuzzers.sh $(BUILD) $${FUZZ_SECONDS:-120}

clean:
	rm -rf $(BUILD)
