# make run   builds and starts the editor (under Wine on Linux);
#            make run FILE=path opens that job file at start
# make test  builds everything and runs every test
# make dist  builds both Windows programs and packs them with the README
#            into build/dist/zr780k-editor-<version>-win64.zip
BUILD ?= build

.PHONY: run test setup configure bench fuzz dist clean

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

dist: configure
	@cmake --build $(BUILD)/win --target dist
	@ls $(BUILD)/dist/*.zip

clean:
	rm -rf $(BUILD)
